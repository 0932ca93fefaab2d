#include "cli_options.h"

#include <charconv>
#include <functional>
#include <string_view>

namespace {

// A run of decimal digits and nothing else, within [low, high].
std::optional<int> wholeNumberIn(std::string_view text, int low, int high) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// --ground and --power: a source layer, or "off" for no plane at all.
std::string setPlane(std::string_view option, std::string_view value, std::int32_t& build,
                     std::int32_t& source) {
    if (value == "off") {
        build = 0;
        return {};
    }
    const auto layer = wholeNumberIn(value, sourceLayers.front().layer, sourceLayers.back().layer);
    if (!layer) {
        return std::string(option) + ": " + quoted(value) + " is not a layer from 1 to 6 or 'off'";
    }
    build = 1;
    source = *layer;
    return {};
}

std::string setEnlargement(std::string_view option, std::string_view value,
                           std::int32_t& enlargement) {
    const auto mils = wholeNumberIn(value, minEnlargement, maxEnlargement);
    if (!mils) {
        return std::string(option) + ": " + quoted(value) +
               " is not a whole number of mils from 0 to 100";
    }
    enlargement = *mils;
    return {};
}

struct OptionWithValue {
    std::string_view name;
    std::function<std::string(CliOptions&, std::string_view option, std::string_view value)> apply;
};

const OptionWithValue* findOptionWithValue(std::string_view name) {
    static const OptionWithValue table[] = {
        {"--output",
         [](CliOptions& o, std::string_view option, std::string_view value) -> std::string {
             if (value.empty()) {
                 return std::string(option) + ": the output file name is empty";
             }
             o.outputPath = std::string(value);
             return {};
         }},
        {"--ground",
         [](CliOptions& o, std::string_view option, std::string_view value) {
             return setPlane(option, value, o.planes.buildGround, o.planes.groundSource);
         }},
        {"--power",
         [](CliOptions& o, std::string_view option, std::string_view value) {
             return setPlane(option, value, o.planes.buildPower, o.planes.powerSource);
         }},
        {"--ground-enlargement",
         [](CliOptions& o, std::string_view option, std::string_view value) {
             return setEnlargement(option, value, o.planes.groundEnlargement);
         }},
        {"--power-enlargement",
         [](CliOptions& o, std::string_view option, std::string_view value) {
             return setEnlargement(option, value, o.planes.powerEnlargement);
         }},
    };
    for (const auto& option : table) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

std::int32_t* findFlag(CliOptions& options, std::string_view name) {
    if (name == "--ground-pads-vias") {
        return &options.planes.groundPadsAndVias;
    }
    if (name == "--power-pads-vias") {
        return &options.planes.powerPadsAndVias;
    }
    return nullptr;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    CliOptions& options = parsed.options;
    auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    bool optionsEnded = false;
    bool haveInput = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (!isOption) {
            if (haveInput) {
                return fail("only one input design may be given; " + quoted(argument) +
                            " is a second one");
            }
            if (argument.empty()) {
                return fail("the input file name is empty");
            }
            options.inputPath = std::string(argument);
            haveInput = true;
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "-h" || argument == "--help") {
            options.help = true;
            return parsed;
        }
        if (argument == "--version") {
            options.version = true;
            return parsed;
        }

        // Split "-oFILE", "--name=value" and "--name value" into name and value;
        // messages name the option as it was written.
        std::string_view name = argument;
        std::string_view shownName = argument;
        std::optional<std::string_view> value;
        if (argument.starts_with("--")) {
            if (const auto equals = argument.find('='); equals != std::string_view::npos) {
                name = shownName = argument.substr(0, equals);
                value = argument.substr(equals + 1);
            }
        } else if (argument.starts_with("-o")) {
            name = "--output";
            shownName = "-o";
            if (argument.size() > 2) {
                value = argument.substr(2);
            }
        } else {
            return fail("unknown option " + quoted(argument));
        }

        if (std::int32_t* flag = findFlag(options, name)) {
            if (value) {
                return fail(std::string(name) + " takes no value");
            }
            *flag = 1;
            continue;
        }
        const OptionWithValue* option = findOptionWithValue(name);
        if (!option) {
            return fail("unknown option " + quoted(name));
        }
        if (!value) {
            if (i + 1 == arguments.size()) {
                return fail(std::string(shownName) + " needs a value");
            }
            value = arguments[++i];
        }
        if (std::string error = option->apply(options, shownName, *value); !error.empty()) {
            return fail(std::move(error));
        }
    }
    if (!haveInput) {
        return fail("no input design given");
    }
    return parsed;
}
