#include "cli/print.h"

#include "base/fault.h"
#include "cli/print_module.h"

#ifdef ORVANE_CLI_PRINTING
#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "limits/data_folder.h"
#endif

namespace orvane::cli {
namespace {

#ifdef ORVANE_CLI_PRINTING

namespace fs = std::filesystem;

// Opens the printing module: beside the program (the build tree), else where the package puts it
// (ORVANE_CLI_PRINT_MODULE_DIR, relative to the program's folder). No module at either place
// leaves the program without printing, as a build without the Qt windows. A module that is there
// but cannot be taken (a Qt library missing, another build's module) is a broken installation:
// the reason goes to the error output, once, before the usage message that follows. The module
// stays loaded until the program ends.
const PrintModule* OpenModule() {
    const fs::path program = ProgramFolder();
    if (program.empty()) return nullptr;
    for (const fs::path& place :
         {program / kPrintModuleFile, program / ORVANE_CLI_PRINT_MODULE_DIR / kPrintModuleFile}) {
        std::error_code ec;
        if (!fs::exists(place, ec)) continue;
        std::string why;
        if (void* handle = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL); handle == nullptr) {
            why = dlerror();
        } else if (void* entry = dlsym(handle, kPrintModuleEntry); entry == nullptr) {
            why = dlerror();
        } else {
            using Entry = const PrintModule* (*)();
            const PrintModule* module = reinterpret_cast<Entry>(entry)();
            if (module != nullptr && module->version == kPrintModuleVersion) return module;
            why = "the module is of another version of orvane-cli";
        }
        std::fprintf(stderr, "orvane-cli: cannot load the printing module %s: %s\n", place.c_str(),
                     why.c_str());
        return nullptr;
    }
    return nullptr;
}

#endif

const PrintModule* Module() {
#ifdef ORVANE_CLI_PRINTING
    static const PrintModule* const module = OpenModule();
    return module;
#else
    return nullptr;
#endif
}

}  // namespace

// Qt's application object, as the module started it.
struct CliPrinter::QtApp {
    const PrintModule& module;
    void* app;
    QtApp(const PrintModule& m, void* a) : module(m), app(a) {}
    ~QtApp() { module.stop_qt(app); }
    QtApp(const QtApp&) = delete;
    QtApp& operator=(const QtApp&) = delete;
};

CliPrinter::CliPrinter() = default;
CliPrinter::~CliPrinter() = default;

bool CliPrinter::Available() {
    return Module() != nullptr;
}

void CliPrinter::StartQt() {
    const PrintModule& module = *Module();
    if (void* app = module.start_qt(); app != nullptr) qt_ = std::make_unique<QtApp>(module, app);
}

// Without printing the target stays as it is: none, and Print raises fault 484.
void CliPrinter::UseDefaultPrinter() {
    if (Module() == nullptr) return;
    StartQt();
    target_.reset(Module()->default_printer());
}

void CliPrinter::UsePdfFile(const std::string& file) {
    if (Module() == nullptr) return;
    StartQt();
    target_.reset(Module()->pdf_file(file.c_str()));
}

double CliPrinter::DefaultFontSize() {
    if (!target_) Raise(fault::kNoPrinter);
    return target_->DefaultFontSize();
}

double CliPrinter::LineHeight(const PrintFont& font) {
    if (!target_) Raise(fault::kNoPrinter);
    return target_->LineHeight(font);
}

void CliPrinter::PrintPage(const std::vector<PrintItem>& items) {
    if (!target_) Raise(fault::kNoPrinter);
    target_->PrintPage(items);
}

void CliPrinter::PrintPages(const std::vector<std::vector<PrintItem>>& pages) {
    if (!target_) Raise(fault::kNoPrinter);
    target_->PrintPages(pages);
}

}  // namespace orvane::cli
