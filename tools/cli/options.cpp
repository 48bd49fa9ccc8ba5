#include "tools/cli/options.h"

#include "engine/types.h"

#include <cerrno>
#include <cstdlib>

Options::Options(const std::vector<std::string>& args, std::initializer_list<OptionSpec> known,
                 std::size_t maxPlain) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            if (plainArgs.size() == maxPlain) {
                throw UsageError("unexpected argument '" + arg + "'");
            }
            plainArgs.push_back(arg);
            continue;
        }
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& candidate : known) {
            if (arg == candidate.name) {
                spec = &candidate;
            }
        }
        if (spec == nullptr) {
            throw UsageError("unknown option '" + arg + "'");
        }
        if (!spec->takesValue) {
            given[arg] = "";
        } else if (i + 1 < args.size()) {
            given[arg] = args[++i];
        } else {
            throw UsageError("option '" + arg + "' needs a value");
        }
    }
}

long long Options::number(const std::string& name, long long fallback, long long min,
                          long long max) const {
    const auto it = given.find(name);
    return it == given.end() ? fallback
                             : parseNumber(it->second, "option '" + name + "'", min, max);
}

std::string Options::text(const std::string& name, const std::string& fallback) const {
    const auto it = given.find(name);
    return it == given.end() ? fallback : it->second;
}

long long parseNumber(const std::string& value, const std::string& what, long long min,
                      long long max) {
    const std::string range = std::to_string(min) + " to " + std::to_string(max);
    errno = 0;
    char* end = nullptr;
    const long long number = std::strtoll(value.c_str(), &end, 10);
    const bool digitsOnly = value.find_first_not_of("+-0123456789") == std::string::npos;
    if (value.empty() || !digitsOnly || *end != '\0') {
        throw UsageError(what + ": '" + value + "' is not a whole number (" + range + ")");
    }
    if (errno != 0 || number < min || number > max) {
        throw UsageError(what + ": '" + value + "' is out of range (" + range + ")");
    }
    return number;
}

int parseSide(const std::string& value) {
    if (value == "red") {
        return Red;
    }
    if (value == "blue") {
        return Blue;
    }
    throw UsageError("side must be 'red' or 'blue', not '" + value + "'");
}
