#include "cli/manual.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <vector>

namespace orvane::cli {
namespace {

// What the page says beyond the commands' own usage.
constexpr std::string_view kName =
    "orvane\\-cli \\- tax depreciation schedules of business assets from the command line\n";

constexpr std::string_view kExitStatus = R"roff(.SH EXIT STATUS
.TP
.B 0
The command was carried out.
A message box, or an action that a person could not have carried out at that
moment, is part of the output, not a failure.
.TP
.B 1
Something went wrong that the command could not deal with; one line on the
error output says what.
.TP
.B 2
A wrong command line; one line on the error output says what is wrong.
A batch ends with 2 when one of its lines could not be read.
)roff";

constexpr std::string_view kFiles = R"roff(.SH FILES
.TP
.I /usr/share/orvane/
The shipped limit files
.RI ( AutoMax.DAT ,
.I Electric.DAT
and
.IR TruckMax.DAT ),
copied into the user's data folder on first use.
.TP
.I /usr/lib/*/orvane/orvane\-cli\-print.so
The printing module, with Qt's printers, opened only when a print option is
given.
.TP
.I /usr/libexec/orvane/orvane\-calc
The export's LibreOffice helper, in the package
.BR orvane\-export .
)roff";

constexpr std::string_view kEnvironment = R"roff(.SH ENVIRONMENT
.TP
.B XDG_DATA_HOME
The user's limit files are kept in
.I $XDG_DATA_HOME/orvane/
(by default
.IR ~/.local/share/orvane/ ),
seeded from the shipped files on first use.
.TP
.B PATH
Export starts LibreOffice Calc, found as
.B soffice
on the path.
)roff";

constexpr std::string_view kExamples = R"roff(.SH EXAMPLES
A five\-year MACRS schedule, as JSON:
.PP
.RS
.nf
orvane\-cli \-\-method MACRS \-\-life 5 \-\-cost 10000 \-\-in\-service 012004 \-\-json
.fi
.RE
.PP
The same schedule appended to a workbook, and printed into a PDF file:
.PP
.RS
.nf
orvane\-cli \-\-method MACRS \-\-life 5 \-\-cost 10000 \-\-in\-service 012004 \e
    \-\-export book.xls
orvane\-cli \-\-method MACRS \-\-life 5 \-\-cost 10000 \-\-in\-service 012004 \e
    \-\-calculate \-\-print\-pdf schedule.pdf
.fi
.RE
.PP
One asset a line of a file, on two threads, and a year's truck limit changed:
.PP
.RS
.nf
orvane\-cli batch \-\-file assets.txt \-\-jobs 2
orvane\-cli edit\-limits \-\-file TruckMax.DAT \-\-set txtYear1=9999 \-\-save
.fi
.RE
.SH SEE ALSO
.BR orvane (1)
)roff";

// The pieces joined.
std::string Cat(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (std::string_view piece : pieces)
        out += piece;
    return out;
}

// Every hyphen as a minus sign: an option's or a program's name.
std::string Name(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    while (!lines.empty() && lines.front().empty())
        lines.erase(lines.begin());
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}

// Prose: lines filled into paragraphs, an empty line between paragraphs, and lines indented by
// two spaces (a list of commands) kept as they are.
std::string Prose(std::string_view text) {
    std::string out;
    bool literal = false;
    const auto end_literal = [&] {
        if (literal) out += ".fi\n.RE\n";
        literal = false;
    };
    for (std::string_view line : Lines(text)) {
        if (line.empty()) {
            end_literal();
            out += ".PP\n";
        } else if (line.starts_with("  ")) {
            if (!literal) out += ".RS\n.nf\n";
            literal = true;
            out += Cat({RoffText(line.substr(2)), "\n"});
        } else {
            end_literal();
            out += Cat({RoffText(line), "\n"});
        }
    }
    end_literal();
    return out;
}

std::string OptionItems(std::span<const OptionHelp> options) {
    std::string out;
    for (const OptionHelp& option : options) {
        out += Cat({".TP\n\\fB\\-\\-", Name(option.name), "\\fR"});
        if (!option.choices.empty()) {
            for (std::size_t k = 0; k < option.choices.size(); ++k)
                out += Cat({k == 0 ? " \\fB" : "|\\fB", Name(option.choices[k]), "\\fR"});
        } else if (!option.value.empty()) {
            out += Cat({" \\fI", RoffText(option.value), "\\fR"});
        }
        out += Cat({"\n", RoffText(option.help), "\n"});
    }
    return out;
}

// The first line of a command's usage, without "usage: ", the command's name in bold.
std::string Synopsis(const Command& command, std::string_view first_line) {
    if (first_line.starts_with("usage: ")) first_line.remove_prefix(7);
    const std::string tool = ToolName(command);
    if (!first_line.starts_with(tool)) return RoffText(first_line);
    return Cat({"\\fB", Name(tool), "\\fR", RoffText(first_line.substr(tool.size()))});
}

std::string_view AfterFirstLine(std::string_view text) {
    const std::size_t end = text.find('\n');
    return end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
}

// A command's blocks after its synopsis line; `heading` writes a block's heading.
std::string Blocks(std::span<const UsageBlock> blocks, std::string (*heading)(std::string_view)) {
    std::string out;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        std::string_view text = blocks[i].text;
        if (i == 0) text = AfterFirstLine(text);
        if (!Lines(text).empty()) out += Cat({out.empty() ? "" : ".PP\n", Prose(text)});
        if (!blocks[i].heading.empty()) out += heading(blocks[i].heading);
        out += OptionItems(blocks[i].options);
    }
    return out;
}

std::string_view WithoutColon(std::string_view heading) {
    if (heading.ends_with(':')) heading.remove_suffix(1);
    return heading;
}

std::string Subsection(std::string_view heading) {
    return Cat({".SS ", RoffText(WithoutColon(heading)), "\n"});
}

std::string BoldParagraph(std::string_view heading) {
    return Cat({".PP\n\\fB", RoffText(WithoutColon(heading)), "\\fR\n"});
}

std::string FirstLine(const std::vector<UsageBlock>& blocks) {
    if (blocks.empty()) return {};
    return blocks.front().text.substr(0, blocks.front().text.find('\n'));
}

}  // namespace

std::string RoffText(std::string_view line) {
    std::string out;
    if (line.starts_with('.') || line.starts_with('\'')) out += "\\&";
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-' && (i == 0 || !std::isalnum(static_cast<unsigned char>(line[i - 1])))) {
            out += "\\-";
        } else {
            out += c;
        }
    }
    return out;
}

std::string ManualPage(std::span<const Command* const> commands, std::string_view version,
                       std::string_view date) {
    std::string page = Cat({".TH ORVANE\\-CLI 1 \"", date, "\" \"Orvane Asset Depreciation ",
                            version, "\" \"User Commands\"\n.SH NAME\n", kName, ".SH SYNOPSIS\n"});
    for (std::size_t i = 0; i < commands.size(); ++i) {
        page += Cat({i == 0 ? "" : ".br\n",
                     Synopsis(*commands[i], FirstLine(commands[i]->UsageBlocks())), "\n"});
    }
    // The default command: its first prose describes the program, its tables are the options.
    const std::vector<UsageBlock> main =
        commands.empty() ? std::vector<UsageBlock>{} : commands.front()->UsageBlocks();
    if (!main.empty()) {
        page +=
            Cat({".SH DESCRIPTION\n", Prose(AfterFirstLine(main.front().text)), ".SH OPTIONS\n"});
        std::vector<UsageBlock> rest = main;
        rest.front().text.clear();
        page += Blocks(rest, Subsection);
    }
    if (commands.size() > 1) page += ".SH COMMANDS\n";
    for (const Command* command : commands.subspan(std::min<std::size_t>(commands.size(), 1))) {
        const std::vector<UsageBlock> blocks = command->UsageBlocks();
        page += Cat({".SS ", Name(ToolName(*command)), "\n", RoffText(command->description()),
                     ".\n.PP\n", Synopsis(*command, FirstLine(blocks)), "\n.PP\n",
                     Blocks(blocks, BoldParagraph)});
    }
    return Cat({page, kExitStatus, kFiles, kEnvironment, kExamples});
}

}  // namespace orvane::cli
