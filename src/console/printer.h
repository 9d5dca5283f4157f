// A line printer: text lines, one print job at a time.
#pragma once
#include <string>
#include <vector>

namespace tv {

class Printer {
public:
    virtual ~Printer() = default;
    virtual void begin_job() {}
    virtual void print_line(const std::string& line) = 0;
    virtual void end_job() {}
    // Where the copies went, for the screen ("printer", or the file's name).
    virtual std::string destination() const = 0;
};

// Prints through `lp` when it is on the PATH; otherwise appends to a file.
class SystemPrinter : public Printer {
public:
    // `fallback_file`: where copies go when there is no `lp`.
    explicit SystemPrinter(std::string fallback_file);
    void begin_job() override;
    void print_line(const std::string& line) override;
    void end_job() override;
    std::string destination() const override;
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
    std::string destination() const override { return "printer"; }
    std::vector<std::string> lines;
    int jobs = 0;
};

}  // namespace tv
