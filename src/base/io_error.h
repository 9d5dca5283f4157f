// A failed file operation, naming the operation, the file, the line and the reason.
// During a run it is shown on the screen and the cycle goes back to the style menu;
// at start-up it is one line on stderr before the screen is taken over.
#pragma once
#include <stdexcept>
#include <string>

#include "base/printable.h"

namespace tv {

struct IoError : std::runtime_error {
    // `qualifier` follows the file name, as in: cannot open "RJ.A" for reading: ...
    IoError(std::string operation, std::string file, std::string reason, int line = 0,
            const std::string& qualifier = "")
        : std::runtime_error(describe(operation, file, reason, line, qualifier)),
          operation(std::move(operation)), file(std::move(file)), reason(std::move(reason)),
          line(line) {}
    std::string operation, file, reason;
    int line;

    // e.g. cannot open "RJ.A" for reading: No such file or directory
    // The file name and the reason may hold bytes of a file: they are shown printably.
    static std::string describe(const std::string& op, const std::string& file,
                                const std::string& reason, int line,
                                const std::string& qualifier = "") {
        std::string s = "cannot " + op + " \"" + printable(file) + "\"";
        if (!qualifier.empty()) s += " " + qualifier;
        if (line > 0) s += " (line " + std::to_string(line) + ")";
        return s + ": " + printable(reason);
    }
};

}  // namespace tv
