// A printer of whole documents, one copy per print job.
#pragma once
#include <string>
#include <vector>

namespace tv {

class Printer {
public:
    virtual ~Printer() = default;
    // Sends one copy of a document (the packet's PDF). Returns "" when the printer took
    // it, otherwise why it did not.
    virtual std::string print(const std::string& document) = 0;
    // Whether there is a printer to send copies to.
    virtual bool has_printer() const = 0;
};

// Prints through `lp` when an executable one is on the PATH; the spooler takes a PDF
// as it is.
class SystemPrinter : public Printer {
public:
    explicit SystemPrinter(const std::string& path_list);
    std::string print(const std::string& document) override;
    bool has_printer() const override { return !lp_.empty(); }
    // The first executable file named `lp` in the directories of a PATH list, ""
    // when there is none (an `lp` that cannot be run counts as none).
    static std::string find_lp(const std::string& path_list);

private:
    std::string lp_;
};

// Keeps the printed documents, for tests; `refusal` is what it answers each copy
// ("" takes it), and `present` whether it is there at all.
class MemoryPrinter : public Printer {
public:
    std::string print(const std::string& document) override {
        if (!refusal.empty()) return refusal;
        ++jobs;
        last = document;
        return "";
    }
    bool has_printer() const override { return present; }
    std::string last;
    int jobs = 0;
    std::string refusal;
    bool present = true;
};

}  // namespace tv
