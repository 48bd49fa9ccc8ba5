// Command-line options of the driver: "--name" flags and "--name value" pairs, checked against
// the options a command knows. Every fault is a one-line message; the driver exits with code 2.
#pragma once

#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    const char* name; // with the leading "--"
    bool takesValue;
};

class Options {
public:
    // Throws UsageError for an unknown option, a missing value or too many plain arguments.
    Options(const std::vector<std::string>& args, std::initializer_list<OptionSpec> known,
            std::size_t maxPlain = 0);

    bool has(const std::string& name) const { return given.count(name) != 0; }
    const std::vector<std::string>& plain() const { return plainArgs; }

    // The option's whole-number value within [min, max], or fallback when it is not given.
    long long number(const std::string& name, long long fallback, long long min,
                     long long max) const;
    std::string text(const std::string& name, const std::string& fallback) const;

private:
    std::map<std::string, std::string> given;
    std::vector<std::string> plainArgs;
};

// A whole number within [min, max]; what names the value in the message.
long long parseNumber(const std::string& value, const std::string& what, long long min,
                      long long max);

// "red" or "blue" as a side.
int parseSide(const std::string& value);
