// lg-gedcom-gen: writes a synthetic GEDCOM file for benchmarks and stress
// tests. Usage: lg-gedcom-gen MODE N OUT.ged [--seed S]

#include <charconv>
#include <cstdint>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gedcom_generator.h"

namespace {

constexpr std::string_view kUsage =
    "usage: lg-gedcom-gen MODE N OUT.ged [--seed S]\n"
    "  MODE population   N persons in families over about ten generations\n"
    "       ancestors    the complete ancestry of one proband over N generations (N <= 40)\n"
    "       descendants  one founder with N descendants and their spouses\n"
    "       chain        a single line of N generations\n"
    "  OUT.ged  the file to write, or - for standard output\n"
    "  --seed S the same seed gives the same file (default 1)\n";

template <typename T>
std::optional<T> ParseNumber(std::string_view text) {
    T value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

struct Arguments {
    lg::bench::GeneratorOptions options;
    std::string output;
};

// The positional arguments in order; --seed may stand anywhere.
std::optional<Arguments> ParseArguments(int argc, char** argv) {
    Arguments arguments;
    std::vector<std::string_view> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            const auto seed = ParseNumber<std::uint64_t>(argv[++i]);
            if (!seed) return std::nullopt;
            arguments.options.seed = *seed;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 3) return std::nullopt;
    const auto mode = lg::bench::ParseGeneratorMode(positional[0]);
    const auto size = ParseNumber<std::int64_t>(positional[1]);
    if (!mode || !size || *size < 1 || *size > lg::bench::MaxGeneratorSize(*mode))
        return std::nullopt;
    arguments.options.mode = *mode;
    arguments.options.size = *size;
    arguments.output = std::string(positional[2]);
    return arguments;
}

int Generate(const Arguments& arguments) {
    if (arguments.output == "-") {
        std::ios::sync_with_stdio(false);
        lg::bench::WriteSyntheticGedcom(std::cout, arguments.options);
        std::cout.flush();
        return std::cout ? 0 : 1;
    }
    std::ofstream file(arguments.output, std::ios::binary | std::ios::trunc);
    if (!file) {
        std::cerr << "lg-gedcom-gen: cannot open " << arguments.output << " for writing\n";
        return 1;
    }
    lg::bench::WriteSyntheticGedcom(file, arguments.options);
    file.close();
    if (!file) {
        std::cerr << "lg-gedcom-gen: writing " << arguments.output << " failed\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = ParseArguments(argc, argv);
    if (!arguments) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        return Generate(*arguments);
    } catch (const std::exception& error) {
        std::cerr << "lg-gedcom-gen: " << error.what() << '\n';
        return 1;
    }
}
