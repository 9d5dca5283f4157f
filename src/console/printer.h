// A line printer: text lines, one print job at a time.
#pragma once
#include <string>
#include <vector>

namespace tv {

class Printer {
public:
    virtual ~Printer() = default;
    // Starts a copy. `fallback_file`: where the copy goes when there is no printer.
    virtual void begin_job(const std::string& fallback_file) { (void)fallback_file; }
    virtual void print_line(const std::string& line) = 0;
    // Ends a copy. Returns "" when the copy went where it was meant to go; otherwise
    // why the printer refused it, the copy having gone to the fallback file instead.
    virtual std::string end_job() { return ""; }
    // Whether copies go to a real printer (otherwise to the fallback file).
    virtual bool has_printer() const = 0;
};

// Prints through `lp` when an executable one is on the PATH; otherwise, and when
// `lp` fails, appends the copy to the fallback file.
class SystemPrinter : public Printer {
public:
    explicit SystemPrinter(const std::string& path_list);
    void begin_job(const std::string& fallback_file) override;
    void print_line(const std::string& line) override;
    std::string end_job() override;
    bool has_printer() const override { return !lp_.empty(); }
    // The first executable file named `lp` in the directories of a PATH list, ""
    // when there is none (an `lp` that cannot be run counts as none).
    static std::string find_lp(const std::string& path_list);

private:
    void append_to_fallback();
    std::string fallback_;
    std::string lp_;
    std::string job_;
};

// Keeps the printed lines, for tests.
class MemoryPrinter : public Printer {
public:
    void print_line(const std::string& line) override { lines.push_back(line); }
    std::string end_job() override {
        ++jobs;
        return "";
    }
    bool has_printer() const override { return true; }
    std::vector<std::string> lines;
    int jobs = 0;
};

}  // namespace tv
