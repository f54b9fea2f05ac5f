// varnel export CONTACTS.DAT --format csv|text|vcard [--encoding ...] [-o OUT]
#include <ostream>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "exchange/contact_export.h"
#include "text/run_error.h"

namespace varnel::cli {

int runExport(const Args& args, CommandEnv& env) {
    std::string error;
    const auto parsed =
        Arguments::parse(args, {{"--format", "--encoding", "-o"}, {}, {}, 1, 1}, error);
    if (!parsed) return usageError(env, "export", error);
    const std::string contacts = parsed->positional()[0];

    const std::string formatName = parsed->value("--format").value_or("");
    ExportFormat format;
    if (formatName == "csv")
        format = ExportFormat::Csv;
    else if (formatName == "text")
        format = ExportFormat::Text;
    else if (formatName == "vcard")
        format = ExportFormat::VCard;
    else
        return usageError(env, "export", "--format takes csv, text or vcard");

    ExportEncoding encoding =
        format == ExportFormat::VCard ? ExportEncoding::Utf8 : ExportEncoding::Windows1252;
    if (auto name = parsed->value("--encoding")) {
        if (*name == "utf-8")
            encoding = ExportEncoding::Utf8;
        else if (*name == "utf-8-bom")
            encoding = ExportEncoding::Utf8WithMark;
        else if (*name == "windows-1252")
            encoding = ExportEncoding::Windows1252;
        else
            return usageError(env, "export", "--encoding takes utf-8, utf-8-bom or windows-1252");
        if (format == ExportFormat::VCard && encoding != ExportEncoding::Utf8) {
            return usageError(env, "export", "a vCard file is always utf-8");
        }
    }

    std::error_code ec;
    if (!std::filesystem::is_regular_file(contacts, ec)) {
        return failure(env, contacts, RunError::describe(RunError::FileNotFound));
    }
    ContactFile file;
    std::filesystem::path out;
    try {
        file.open(contacts);
        const std::int32_t n = file.recordCount();
        if (n == 0) return failure(env, contacts, "There were no contacts on file.");
        // Without -o, the window's file in the program folder.
        out = parsed->value("-o").value_or(
            exportFilePath(format, env.programFolder, exportBaseName(contacts)).string());
        const std::string text = exportFileText(file, n, format, encoding);
        writeExportFile(out, text);
    } catch (const RunError& e) {
        return failure(env, out.empty() ? contacts : out.string(), e.description());
    }
    env.out << out.string() << '\n';
    return Success;
}

}  // namespace varnel::cli
