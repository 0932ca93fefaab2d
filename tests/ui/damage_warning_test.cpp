// The wording of the warning after a run that met damaged records.

#include <QTest>

#include "damage_warning.h"

class DamageWarningTest : public QObject {
    Q_OBJECT

private slots:
    void text_data();
    void text();
};

void DamageWarningTest::text_data() {
    QTest::addColumn<QList<qint64>>("lines");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one") << QList<qint64>{3}
                         << QStringLiteral(
                                "1 record could not be read and got no plane copies.  "
                                "Line: 3.");
    QTest::newRow("five, all listed")
        << QList<qint64>{3, 9, 27, 81, 243}
        << QStringLiteral(
               "5 records could not be read and got no plane copies.  "
               "Lines: 3, 9, 27, 81, 243.");
    QTest::newRow("six") << QList<qint64>{2, 4, 6, 8, 10, 3000000000}
                         << QStringLiteral(
                                "6 records could not be read and got no plane copies.  "
                                "Lines: 2, 4, 6, 8, 10 and 1 more.");
}

void DamageWarningTest::text() {
    QFETCH(QList<qint64>, lines);
    QFETCH(QString, expected);
    DamageWarning warning;
    for (qint64 line : lines) {
        warning.add(line);
    }
    QCOMPARE(QString::fromStdString(warning.text()), expected);
}

QTEST_MAIN(DamageWarningTest)
#include "damage_warning_test.moc"
