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
    virtual void end_job() {}
    // Whether copies go to a real printer (otherwise to the fallback file).
    virtual bool has_printer() const = 0;
};

// Prints through `lp` when it is on the PATH; otherwise appends to a file.
class SystemPrinter : public Printer {
public:
    SystemPrinter();
    void begin_job(const std::string& fallback_file) override;
    void print_line(const std::string& line) override;
    void end_job() override;
    bool has_printer() const override { return use_lp_; }
    static bool lp_available();

private:
    std::string fallback_;
    bool use_lp_;
    std::string job_;
};

// Keeps the printed lines, for tests.
class MemoryPrinter : public Printer {
public:
    void print_line(const std::string& line) override { lines.push_back(line); }
    void end_job() override { ++jobs; }
    bool has_printer() const override { return true; }
    std::vector<std::string> lines;
    int jobs = 0;
};

}  // namespace tv
