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
    IoError(std::string op, std::string file_name, std::string why, int line_no = 0,
            const std::string& qualifier = "")
        : std::runtime_error(describe(op, file_name, why, line_no, qualifier)),
          operation(std::move(op)), file(std::move(file_name)), reason(std::move(why)),
          line(line_no) {}
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
