#include "file_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QStringList>

#include "message_box.h"

std::vector<FileFilter> parseFileFilters(std::string_view filter) {
    std::vector<std::string_view> fields;
    while (!filter.empty()) {
        const auto bar = filter.find('|');
        fields.push_back(filter.substr(0, bar));
        if (bar == std::string_view::npos) {
            break;
        }
        filter.remove_prefix(bar + 1);
        if (!filter.empty() && filter.front() == '|') {
            break;  // the doubled bar
        }
    }
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < fields.size(); i += 2) {
        FileFilter entry{std::string(fields[i]), {}};
        std::string_view patterns = fields[i + 1];
        while (!patterns.empty()) {
            const auto semicolon = patterns.find(';');
            const std::string_view pattern = patterns.substr(0, semicolon);
            if (!pattern.empty()) {
                entry.patterns.emplace_back(pattern == "*.*" ? "*" : std::string(pattern));
            }
            if (semicolon == std::string_view::npos) {
                break;
            }
            patterns.remove_prefix(semicolon + 1);
        }
        filters.push_back(std::move(entry));
    }
    return filters;
}

CFileDialog::CFileDialog(std::string_view filter, std::string defaultExtension)
    : filters_(parseFileFilters(filter)), defaultExtension_(std::move(defaultExtension)) {}

bool CFileDialog::runModal() {
    QWidget* owner = activeOwnerWindow();
    QFileDialog dialog(owner, QStringLiteral("Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Qt takes the patterns from the parentheses at the end of each entry;
    // hiding them shows the display text exactly as it was given.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QStringList nameFilters;
    for (const FileFilter& entry : filters_) {
        QStringList patterns;
        for (const std::string& pattern : entry.patterns) {
            patterns << QString::fromStdString(pattern);
        }
        nameFilters << QString::fromStdString(entry.display) + QStringLiteral(" (") +
                           patterns.join(u' ') + u')';
    }
    dialog.setNameFilters(nameFilters);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension_));
    if (execOver(owner, dialog) != QDialog::Accepted) {
        return false;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) {
        return false;
    }
    path_ = QFile::encodeName(chosen.front()).toStdString();
    return true;
}
