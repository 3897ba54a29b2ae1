#include "SimOptions.h"

#include <cstdlib>
#include <cstring>

namespace {

bool parseNumber(const char* text, std::int64_t min, std::int64_t max, std::int64_t* out)
{
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < min || value > max)
        return false;
    *out = value;
    return true;
}

} // namespace

const char* SimOptions::usageText()
{
    return "Usage: meter-sim [--help] [--id TEXT] [--file PATH] [--fast] [--baud N]\n"
           "                 [--pause-every BYTES --pause-ms MS] [--silent] [--garbage]\n"
           "                 [--hang-up-after BYTES] [--lifetime SECONDS] [--corvina]\n"
           "\n"
           "Simulates an optical loss meter on a pseudo-terminal and prints the path of\n"
           "its serial end (use it in FIBROLOG_SERIAL_PORTS). \"?\" is answered with the\n"
           "identification text (default PN1234), \"Dd\" with the content of the file,\n"
           "at the pace of the baud rate (default 9600, 8N1) unless --fast is given.\n"
           "\n"
           "  --pause-every, --pause-ms  pause the download every so many bytes\n"
           "  --silent                   answer nothing, like a device that is no meter\n"
           "  --garbage                  answer \"?\" with random bytes\n"
           "  --hang-up-after            drop the line after so many bytes of the download\n"
           "  --lifetime                 exit after this many seconds (default 600)\n"
           "  --corvina                  a Corvina meter: identifies as CX30118 (unless --id\n"
           "                             is given) and, without --file, sends a built-in\n"
           "                             .kavw download: header CX30118, 1.02, 05/17/07 and\n"
           "                             readings at 1300, 850 and 1550 nm (3, 3 and 2)\n";
}

std::optional<SimOptions> SimOptions::parse(int argc, char** argv, std::string* error)
{
    SimOptions options;
    bool identificationGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        auto number = [&](std::int64_t min, std::int64_t max, std::int64_t* out) {
            if (!value || !parseNumber(value, min, max, out)) {
                *error = word + " needs a number from " + std::to_string(min) + " to " + std::to_string(max);
                return false;
            }
            ++i;
            return true;
        };
        std::int64_t n = 0;
        if (word == "--help" || word == "-h") {
            options.help = true;
        } else if (word == "--corvina") {
            options.corvina = true;
        } else if (word == "--fast") {
            options.fast = true;
        } else if (word == "--silent") {
            options.silent = true;
        } else if (word == "--garbage") {
            options.garbage = true;
        } else if (word == "--id" || word == "--file") {
            if (!value) {
                *error = word + " needs a value";
                return std::nullopt;
            }
            identificationGiven = identificationGiven || word == "--id";
            (word == "--id" ? options.identification : options.downloadFile) = value;
            ++i;
        } else if (word == "--baud") {
            if (!number(50, 4000000, &n))
                return std::nullopt;
            options.baud = static_cast<int>(n);
        } else if (word == "--pause-every") {
            if (!number(1, INT64_MAX, &options.pauseEvery))
                return std::nullopt;
        } else if (word == "--pause-ms") {
            if (!number(0, 60000, &n))
                return std::nullopt;
            options.pauseMs = static_cast<int>(n);
        } else if (word == "--hang-up-after") {
            if (!number(0, INT64_MAX, &options.hangUpAfter))
                return std::nullopt;
        } else if (word == "--lifetime") {
            if (!number(1, 86400, &n))
                return std::nullopt;
            options.lifetimeSeconds = static_cast<int>(n);
        } else {
            *error = "unknown argument " + word;
            return std::nullopt;
        }
    }
    if (options.corvina && !identificationGiven)
        options.identification = "CX30118";
    return options;
}

const char* SimOptions::builtInCorvinaDownload()
{
    // A Corvina meter writes its lines with CR LF.
    return "'CX30118','1.02','05/17/07'\r\n"
           "1300,-20.90,-2.65\r\n"
           "1300,-21.04,-2.79\r\n"
           "850,-22.35,-3.85\r\n"
           "1300,-20.97,-2.72\r\n"
           "850,-22.58,-4.08\r\n"
           "1550,-19.85,-1.55\r\n"
           "850,-22.41,-3.91\r\n"
           "1550,-19.92,-1.62\r\n";
}
