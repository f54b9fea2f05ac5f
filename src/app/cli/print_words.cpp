#include "app/cli/print_words.h"

#include <ostream>

#include "ports/printer.h"
#include "text/codepage.h"

namespace varnel::cli {

namespace {

constexpr std::string_view kCutTitle = "Lines too long";

std::string destination(const PrintTarget& target) {
    return target.printerName.empty() ? target.pdfPath.string() : target.printerName;
}

// The box's text as lines for a terminal, without its closing question.
void warnCutLines(CommandEnv& env, const std::string& file, const std::string& text) {
    env.err << "varnel: " << file << ": warning: some lines do not fit their label and are cut:\n";
    std::size_t start = text.find("\r\n\r\n");
    start = start == std::string::npos ? 0 : start + 4;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        if (line.empty()) break;
        env.err << "  " << cp1252ToUtf8(line) << '\n';
        start = end + 2;
    }
}

}  // namespace

namespace {

std::optional<PrintTarget> printTarget(const Arguments& args, std::string& error) {
    const auto pdf = args.value("-o");
    const auto printer = args.value("--printer");
    if (pdf.has_value() == printer.has_value()) {
        error = "give either -o OUT.pdf or --printer NAME";
        return std::nullopt;
    }
    PrintTarget target;
    if (pdf) target.pdfPath = *pdf;
    if (printer) target.printerName = *printer;
    if ((pdf && pdf->empty()) || (printer && printer->empty())) {
        error = "the destination is empty";
        return std::nullopt;
    }
    return target;
}

std::optional<std::vector<std::string>> lineValues(const Arguments& args, std::size_t most,
                                                   std::string& error) {
    std::vector<std::string> lines;
    for (const std::string& line : args.values("--line")) lines.push_back(utf8ToCp1252(line));
    if (lines.empty()) {
        error = "give the lines with --line";
        return std::nullopt;
    }
    if (lines.size() > most) {
        error = "at most " + std::to_string(most) + " lines";
        return std::nullopt;
    }
    return lines;
}

}  // namespace

std::optional<PrintingArgs> parsePrintingArgs(const Args& args, ArgumentRules rules,
                                              std::size_t mostLines, std::string& error) {
    rules.valueOptions.push_back("-o");
    rules.valueOptions.push_back("--printer");
    if (mostLines > 0) rules.multiValue.push_back("--line");
    auto parsed = Arguments::parse(args, rules, error);
    if (!parsed) return std::nullopt;
    auto target = printTarget(*parsed, error);
    if (!target) return std::nullopt;
    PrintingArgs out{std::move(*parsed), std::move(*target), {}};
    if (mostLines > 0) {
        auto lines = lineValues(out.args, mostLines, error);
        if (!lines) return std::nullopt;
        out.lines = std::move(*lines);
    }
    return out;
}

int runPrinting(CommandEnv& env, const PrintTarget& target, BatchDialogs& dialogs,
                const PrintingCommand& command) {
    const std::string file = destination(target);
    std::unique_ptr<Printer> printer = env.makePrinter ? env.makePrinter(target) : nullptr;
    if (!printer) {
        return failure(
            env, file,
            target.printerName.empty() ? "printing is not available" : "no such printer");
    }
    CountingPrinter counting(*printer);
    command(dialogs, counting);
    if (counting.submitted() == 0) {
        const std::string reason =
            dialogs.boxes().empty() ? "nothing to print" : dialogs.boxes().back().text;
        return failure(env, file, cp1252ToUtf8(reason));
    }
    for (const BatchDialogs::Box& box : dialogs.boxes()) {
        if (box.title == kCutTitle) warnCutLines(env, file, box.text);
    }
    return Success;
}

}  // namespace varnel::cli
