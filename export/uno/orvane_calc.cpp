// orvane-calc: the program's bridge to LibreOffice Calc. It starts a headless LibreOffice of its
// own (private profile, unique pipe, own process group), connects through UNO and carries out
// the spreadsheet requests that arrive on standard input, one line each (see calc_protocol.h).
// LibreOffice never outlives it: QUIT, the end of the input or a signal ends LibreOffice's whole
// process group.

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/io/IOException.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XMultiComponentFactory.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/sheet/XSheetCellCursor.hpp>
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/sheet/XSpreadsheetDocument.hpp>
#include <com/sun/star/sheet/XSpreadsheetView.hpp>
#include <com/sun/star/sheet/XSpreadsheets.hpp>
#include <com/sun/star/sheet/XUsedAreaCursor.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/table/XCellRange.hpp>
#include <com/sun/star/table/XColumnRowRange.hpp>
#include <com/sun/star/table/XTableColumns.hpp>
#include <com/sun/star/task/ErrorCodeIOException.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <osl/file.hxx>
#include <rtl/ustring.hxx>

#include "export/calc_protocol.h"
#include "export/workbook_lock.h"

namespace css = com::sun::star;
using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
using rtl::OString;
using rtl::OUString;

namespace {

pid_t g_office = 0;  // leader of LibreOffice's process group

void KillOffice() {
    if (g_office > 1) ::kill(-g_office, SIGKILL);
}

// A signal (this program's parent died, or someone ends us) ends LibreOffice at once; the
// requests then fail, the input ends, and the helper cleans up on its usual way out.
extern "C" void OnSignal(int) {
    KillOffice();
}

std::string g_profile;  // the private profile folder, removed on the way out

[[noreturn]] void Finish(int code) {
    KillOffice();
    std::error_code ec;
    if (!g_profile.empty()) std::filesystem::remove_all(g_profile, ec);
    std::fflush(stdout);
    _exit(code);
}

struct Failure {
    int number;
    std::string description;
};

std::string Utf8(const OUString& s) {
    return OUStringToOString(s, RTL_TEXTENCODING_UTF8).getStr();
}
OUString Ustr(const std::string& s) {
    return OStringToOUString(OString(s.c_str(), s.size()), RTL_TEXTENCODING_UTF8);
}

void Say(const std::vector<std::string>& fields) {
    std::string line = orvane::calc::JoinFields(fields) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

OUString FileUrl(const std::string& path) {
    OUString url;
    if (osl::FileBase::getFileURLFromSystemPath(Ustr(path), url) != osl::FileBase::E_None) {
        throw Failure{orvane::calc::kFaultSpreadsheet, "'" + path + "' is not a valid file name."};
    }
    return url;
}

css::beans::PropertyValue Prop(const char* name, const Any& value) {
    css::beans::PropertyValue p;
    p.Name = OUString::createFromAscii(name);
    p.Value = value;
    return p;
}

Sequence<css::beans::PropertyValue> Props(std::initializer_list<css::beans::PropertyValue> list) {
    return Sequence<css::beans::PropertyValue>(list.begin(), static_cast<sal_Int32>(list.size()));
}

// LibreOffice's own temporary folders go inside the private profile, and with it at the end.
std::filesystem::path TempFolder(const std::filesystem::path& profile) {
    return profile / "tmp";
}

// The profile sets US English, so that typed input reads "1,234.50" as a number everywhere.
void PrepareProfile(const std::filesystem::path& profile) {
    std::filesystem::create_directories(profile / "user");
    std::filesystem::create_directories(TempFolder(profile));
    std::ofstream xcu(profile / "user" / "registrymodifications.xcu");
    xcu << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
           "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
           "<item oor:path=\"/org.openoffice.Setup/L10N\"><prop oor:name=\"ooSetupSystemLocale\" "
           "oor:op=\"fuse\"><value>en-US</value></prop></item>\n"
           "<item oor:path=\"/org.openoffice.Setup/L10N\"><prop oor:name=\"ooLocale\" "
           "oor:op=\"fuse\"><value>en-US</value></prop></item>\n"
           "</oor:items>\n";
}

pid_t StartOffice(const std::string& soffice, const std::string& profile_url,
                  const std::string& pipe, const std::string& temp) {
    std::vector<std::string> args = {
        soffice,
        "--headless",
        "--invisible",
        "--norestore",
        "--nologo",
        "--nodefault",
        "--nolockcheck",
        "-env:UserInstallation=" + profile_url,
        "--accept=pipe,name=" + pipe + ";urp;StarOffice.ComponentContext"};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        for (int fd = 3; fd < 1024; ++fd)
            close(fd);
        setenv("TMPDIR", temp.c_str(), 1);
        execv(soffice.c_str(), argv.data());
        _exit(127);
    }
    if (pid > 0) setpgid(pid, pid);
    return pid;
}

// Waits for LibreOffice's first process to end, at most `seconds`; true when it did.
bool WaitOffice(double seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (true) {
        int status = 0;
        pid_t r = waitpid(g_office, &status, WNOHANG);
        if (r == g_office || r < 0) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

class Calc {
  public:
    Calc(Reference<css::uno::XComponentContext> context, const std::string& profile)
        : context_(context), locks_(profile) {
        desktop_ = css::frame::Desktop::create(context_);
    }

    void Open(const std::string& path) {
        Close();
        RemoveStaleLock(path);
        locks_.Watch(path);
        Sequence<css::beans::PropertyValue> args =
            Props({Prop("Hidden", Any(true)), Prop("MacroExecutionMode", Any(sal_Int16(0)))});
        Reference<css::lang::XComponent> doc =
            desktop_->loadComponentFromURL(FileUrl(path), "_blank", 0, args);
        if (!doc.is()) throw Failure{1004, "'" + path + "' could not be opened."};
        doc_ = doc;
        Reference<css::sheet::XSpreadsheetDocument> sheets(doc, UNO_QUERY);
        if (!sheets.is()) {
            Close();
            throw Failure{1004, "'" + path + "' is not a workbook."};
        }
        SelectSheet();
    }

    void Add() {
        Close();
        Sequence<css::beans::PropertyValue> args = Props({Prop("Hidden", Any(true))});
        doc_ = desktop_->loadComponentFromURL("private:factory/scalc", "_blank", 0, args);
        if (!doc_.is()) throw Failure{1004, "A new workbook could not be made."};
        Reference<css::sheet::XSpreadsheetDocument> book(doc_, UNO_QUERY_THROW);
        Reference<css::sheet::XSpreadsheets> sheets = book->getSheets();
        Reference<css::container::XIndexAccess> index(sheets, UNO_QUERY_THROW);
        while (index->getCount() > 1) {
            Reference<css::container::XNamed> last(index->getByIndex(index->getCount() - 1),
                                                   UNO_QUERY_THROW);
            sheets->removeByName(last->getName());
        }
        SelectSheet();
    }

    std::vector<std::string> Read(int col, int first, int last) {
        Reference<css::sheet::XSheetCellCursor> cursor = Sheet()->createCursor();
        Reference<css::sheet::XUsedAreaCursor> used(cursor, UNO_QUERY_THROW);
        used->gotoEndOfUsedArea(false);
        Reference<css::sheet::XCellRangeAddressable> at(cursor, UNO_QUERY_THROW);
        last = std::min(last, at->getRangeAddress().EndRow + 1);
        std::vector<std::string> out;
        if (last < first) return out;
        Reference<css::sheet::XCellRangeData> data(
            Sheet()->getCellRangeByPosition(col - 1, first - 1, col - 1, last - 1),
            UNO_QUERY_THROW);
        const Sequence<Sequence<Any>> rows = data->getDataArray();
        for (const auto& row : rows) {
            OUString text;
            double number = 0;
            if (row.getLength() > 0 && (row[0] >>= text)) {
                out.push_back(Utf8(text));
            } else if (row.getLength() > 0 && (row[0] >>= number)) {
                char buf[40];
                std::snprintf(buf, sizeof buf, "%.15g", number);
                out.emplace_back(buf);
            } else {
                out.emplace_back();
            }
        }
        while (!out.empty() && out.back().empty())
            out.pop_back();
        return out;
    }

    void Write(int row, int col, const std::string& text) {
        Sheet()->getCellByPosition(col - 1, row - 1)->setFormula(Ustr(text));
    }

    void Width(int col, double characters) {
        Reference<css::table::XColumnRowRange> range(Sheet(), UNO_QUERY_THROW);
        Reference<css::beans::XPropertySet> column(range->getColumns()->getByIndex(col - 1),
                                                   UNO_QUERY_THROW);
        column->setPropertyValue(
            "Width", Any(static_cast<sal_Int32>(std::lround(characters * DigitWidth()))));
    }

    void Save(const std::string& path) {
        Reference<css::frame::XStorable> store(doc_, UNO_QUERY_THROW);
        CheckNotHeld(path);
        OUString filter = FilterFor(path, store);
        Sequence<css::beans::PropertyValue> args =
            Props({Prop("FilterName", Any(filter)), Prop("Overwrite", Any(true))});
        try {
            store->storeToURL(FileUrl(path), args);
        } catch (const css::task::ErrorCodeIOException& e) {
            if ((e.ErrCode & 0xffff) == 0x4c0c) throw Held(path);
            throw;
        } catch (const css::io::IOException& e) {
            if (Utf8(e.Message).find("0x4c0c") != std::string::npos) throw Held(path);
            throw;
        }
    }

    // Closes the workbook, and removes what it leaves of our locks beside the files we worked on.
    void Close() {
        if (doc_.is()) CloseDocument();
        locks_.Release();
    }

    void Quit() {
        try {
            Close();
            desktop_->terminate();
        } catch (const css::uno::Exception&) {
            // The bridge goes away with LibreOffice.
        }
    }

  private:
    void CloseDocument() {
        Reference<css::lang::XComponent> doc = doc_;
        doc_.clear();
        sheet_.clear();
        Reference<css::util::XCloseable> closeable(doc, UNO_QUERY);
        try {
            if (closeable.is()) {
                closeable->close(true);
            } else {
                doc->dispose();
            }
        } catch (const css::uno::Exception&) {
            doc->dispose();
        }
    }

    static Failure Held(const std::string& path) {
        return {1004, "Cannot access read-only document '" +
                          std::filesystem::path(path).filename().string() + "'."};
    }

    // A lock left by an export of this program whose LibreOffice was killed holds nothing.
    static void RemoveStaleLock(const std::string& path) {
        const std::optional<std::string> content = orvane::calc::ReadLock(path);
        if (content && orvane::calc::LockIsStale(*content)) {
            std::error_code ec;
            std::filesystem::remove(orvane::calc::LockFileOf(path), ec);
        }
    }

    // Another LibreOffice holding the file leaves a lock file beside it; our own instance's
    // locks name our private profile.
    void CheckNotHeld(const std::string& path) {
        RemoveStaleLock(path);
        locks_.Watch(path);
        if (orvane::calc::ReadLock(path) && !locks_.Ours(path)) throw Held(path);
    }

    static OUString FilterFor(const std::string& path, const Reference<css::frame::XStorable>& s) {
        std::string ext = std::filesystem::path(path).extension().string();
        for (char& ch : ext)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        // An .ods name always gets OpenDocument, whatever the workbook was opened from.
        if (ext == ".ods") return "calc8";
        if (s->hasLocation()) {
            Reference<css::frame::XModel> model(s, UNO_QUERY);
            if (model.is()) {
                for (const auto& arg : model->getArgs()) {
                    OUString name;
                    if (arg.Name == "FilterName" && (arg.Value >>= name) && !name.isEmpty())
                        return name;
                }
            }
        }
        if (ext == ".xlsx") return "Calc MS Excel 2007 XML";
        return "MS Excel 97";
    }

    void SelectSheet() {
        Reference<css::frame::XModel> model(doc_, UNO_QUERY_THROW);
        Reference<css::sheet::XSpreadsheetView> view(model->getCurrentController(), UNO_QUERY);
        if (view.is()) sheet_ = view->getActiveSheet();
        if (!sheet_.is()) {
            Reference<css::sheet::XSpreadsheetDocument> book(doc_, UNO_QUERY_THROW);
            Reference<css::container::XIndexAccess> index(book->getSheets(), UNO_QUERY_THROW);
            sheet_.set(index->getByIndex(0), UNO_QUERY_THROW);
        }
    }

    Reference<css::sheet::XSpreadsheet> Sheet() {
        if (!sheet_.is()) throw Failure{1004, "No workbook is open."};
        return sheet_;
    }

    // The width of a digit of the default font in 1/100 mm, measured once: the optimal widths
    // of a column holding 10 and then 60 zeros differ by 50 digits. The zeros are written ten
    // times the default size, so that the screen's whole pixels hardly round the result.
    double DigitWidth() {
        if (digit_width_ > 0) return digit_width_;
        digit_width_ = 196.1;  // Liberation Sans 10 pt, should the measurement fail
        try {
            Reference<css::sheet::XSpreadsheetDocument> book(doc_, UNO_QUERY_THROW);
            Reference<css::sheet::XSpreadsheets> sheets = book->getSheets();
            const OUString name = "OrvaneMeasure";
            Reference<css::container::XIndexAccess> index(sheets, UNO_QUERY_THROW);
            sheets->insertNewByName(name, static_cast<sal_Int16>(index->getCount()));
            Reference<css::sheet::XSpreadsheet> scratch(sheets->getByName(name), UNO_QUERY_THROW);
            Reference<css::table::XColumnRowRange> range(scratch, UNO_QUERY_THROW);
            Reference<css::beans::XPropertySet> column(range->getColumns()->getByIndex(0),
                                                       UNO_QUERY_THROW);
            Reference<css::table::XCell> cell = scratch->getCellByPosition(0, 0);
            Reference<css::beans::XPropertySet> cell_props(cell, UNO_QUERY_THROW);
            float height = 10;
            cell_props->getPropertyValue("CharHeight") >>= height;
            constexpr double kScale = 10;
            cell_props->setPropertyValue("CharHeight", Any(static_cast<float>(height * kScale)));
            auto optimal = [&](int digits) {
                // Appended, not "'" + std::string(...): GCC 12 at -O3 warns falsely (-Wrestrict).
                std::string zeros = "'";
                zeros.append(static_cast<std::size_t>(digits), '0');
                cell->setFormula(Ustr(zeros));
                column->setPropertyValue("OptimalWidth", Any(true));
                sal_Int32 w = 0;
                column->getPropertyValue("Width") >>= w;
                return static_cast<double>(w);
            };
            double measured = (optimal(60) - optimal(10)) / 50.0 / kScale;
            sheets->removeByName(name);
            if (measured > 100 && measured < 400) digit_width_ = measured;
        } catch (const css::uno::Exception&) {
        }
        return digit_width_;
    }

    Reference<css::uno::XComponentContext> context_;
    Reference<css::frame::XDesktop2> desktop_;
    Reference<css::lang::XComponent> doc_;
    Reference<css::sheet::XSpreadsheet> sheet_;
    orvane::calc::OwnLocks locks_;
    double digit_width_ = 0;
};

int ToInt(const std::string& s) {
    return std::atoi(s.c_str());
}

// Carries out one request; returns false after QUIT.
bool Serve(Calc& calc, const std::vector<std::string>& f) {
    const std::string& op = f[0];
    auto need = [&](std::size_t n) {
        if (f.size() < n) throw Failure{5, "Invalid procedure call or argument"};
    };
    if (op == "OPEN") {
        need(2);
        calc.Open(f[1]);
    } else if (op == "ADD") {
        calc.Add();
    } else if (op == "READ") {
        need(4);
        std::vector<std::string> reply = calc.Read(ToInt(f[1]), ToInt(f[2]), ToInt(f[3]));
        reply.insert(reply.begin(), "OK");
        Say(reply);
        return true;
    } else if (op == "WRITE") {
        need(4);
        calc.Write(ToInt(f[1]), ToInt(f[2]), f[3]);
    } else if (op == "WIDTH") {
        need(3);
        calc.Width(ToInt(f[1]), std::atof(f[2].c_str()));
    } else if (op == "SAVE") {
        need(2);
        calc.Save(f[1]);
    } else if (op == "CLOSE") {
        calc.Close();
    } else if (op == "QUIT") {
        return false;
    } else {
        throw Failure{5, "Invalid procedure call or argument"};
    }
    Say({"OK"});
    return true;
}

void EndOffice(Calc* calc) {
    if (calc) calc->Quit();
    if (!WaitOffice(10)) KillOffice();
    KillOffice();  // anything its first process left behind
}

// Reports that LibreOffice cannot be had, ends what was started of it, and exits.
[[noreturn]] void NoOffice(const std::string& text) {
    KillOffice();
    Say({"ERR", std::to_string(orvane::calc::kFaultNoOffice), text});
    Finish(1);
}

// The component context of LibreOffice's own process, found through the program folder's
// bootstrap file and reached over `pipe`, tried until it answers, ends or `timeout` runs out.
Reference<css::uno::XComponentContext> Connect(const std::string& soffice, const std::string& pipe,
                                               const std::string& timeout_text) {
    std::error_code ec;
    const std::filesystem::path program_dir =
        std::filesystem::canonical(std::filesystem::path(soffice), ec).parent_path();
    Reference<css::uno::XComponentContext> remote;
    try {
        setenv("URE_BOOTSTRAP",
               ("vnd.sun.star.pathname:" + (program_dir / "fundamentalrc").string()).c_str(), 1);
        Reference<css::uno::XComponentContext> local =
            cppu::defaultBootstrap_InitialComponentContext();
        Reference<css::bridge::XUnoUrlResolver> resolver =
            css::bridge::UnoUrlResolver::create(local);
        const OUString url = Ustr("uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext");
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::duration<double>(std::atof(timeout_text.c_str()));
        while (!remote.is()) {
            try {
                remote.set(resolver->resolve(url), UNO_QUERY_THROW);
            } catch (const css::connection::NoConnectException&) {
                int status = 0;
                if (waitpid(g_office, &status, WNOHANG) == g_office)
                    NoOffice("LibreOffice ended before it answered (" + soffice + ").");
                if (std::chrono::steady_clock::now() > deadline)
                    NoOffice("LibreOffice did not answer within " + timeout_text + " seconds.");
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
            }
        }
    } catch (const css::uno::Exception& e) {
        NoOffice("LibreOffice could not be reached: " + Utf8(e.Message));
    }
    return remote;
}

// Serves the requests of standard input, one a line, until it ends or one says to stop.
void ServeRequests(Calc& calc) {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::vector<std::string> fields = orvane::calc::SplitFields(line);
        try {
            if (!Serve(calc, fields)) break;
        } catch (const Failure& f) {
            Say({"ERR", std::to_string(f.number), f.description});
        } catch (const css::lang::DisposedException& e) {
            // LibreOffice went away under the call.
            Say({"ERR", std::to_string(orvane::calc::kFaultNoOffice),
                 "LibreOffice ended unexpectedly: " + Utf8(e.Message)});
        } catch (const css::uno::Exception& e) {
            Say({"ERR", std::to_string(orvane::calc::kFaultSpreadsheet), Utf8(e.Message)});
        } catch (const std::exception& e) {
            Say({"ERR", std::to_string(orvane::calc::kFaultSpreadsheet), e.what()});
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: orvane-calc SOFFICE PROFILE_DIR PIPE_NAME TIMEOUT_SECONDS\n");
        return 2;
    }
    const std::string soffice = argv[1];
    const std::string profile = argv[2];
    const std::string pipe = argv[3];
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        signal(sig, OnSignal);
    signal(SIGPIPE, SIG_IGN);
    g_profile = profile;

    PrepareProfile(profile);
    OUString profile_url;
    osl::FileBase::getFileURLFromSystemPath(Ustr(profile), profile_url);
    g_office = StartOffice(soffice, Utf8(profile_url), pipe, TempFolder(profile).string());
    if (g_office <= 0) NoOffice("LibreOffice could not be started.");
    Say({"PGID", std::to_string(g_office)});

    Calc calc(Connect(soffice, pipe, argv[4]), profile);
    Say({"READY"});
    ServeRequests(calc);
    EndOffice(&calc);
    Say({"OK"});
    Finish(0);
}
