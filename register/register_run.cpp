#include "register/register_run.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <ostream>
#include <set>

#include "register/blocks.h"
#include "register/cells.h"
#include "register/file_writer.h"
#include "register/out_folder.h"
#include "register/passes.h"

namespace orvane::reg {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Where the second pass's text goes: the standard output, the files of the folder, and the
// schedules of a JSON document, kept aside until the assets are written.
class Sinks {
  public:
    Sinks(std::ostream& out) : out_(out) {}
    bool Open(const RegisterOptions& o, std::string& error);
    void Block(const SecondPass& p, const RegisterOptions& o);
    bool Finish(const RegisterOptions& o, const std::string& totals_csv,
                const std::string& form_csv, const std::string& totals_other,
                const std::string& form_other, std::string& error);

  private:
    static void Write(std::FILE* f, std::string_view text, bool& failed) {
        if (!text.empty() && std::fwrite(text.data(), 1, text.size(), f) != text.size())
            failed = true;
    }
    // A JSON list's elements: the first one's comma dropped.
    void List(std::string_view text, bool& started) {
        if (text.empty()) return;
        if (!started) text.remove_prefix(1);
        started = true;
        out_ << text;
    }

    std::ostream& out_;
    OutFolder folder_;
    FileWriter assets_, schedules_;
    bool files_ = false;
    File spill_;
    bool failed_ = false, assets_started_ = false, schedules_started_ = false;
};

bool Sinks::Open(const RegisterOptions& o, std::string& error) {
    if (o.out_dir) {
        if (!folder_.Open(*o.out_dir, error)) return false;
        if (!assets_.Open(folder_.PathOf(kOutFiles[0])) ||
            !schedules_.Open(folder_.PathOf(kOutFiles[1]))) {
            error = "cannot write in '" + o.out_dir->string() + "'";
            return false;
        }
        files_ = true;
        assets_.Write(kAssetsHeader);
        schedules_.Write(kSchedulesHeader);
    }
    if (!o.to_stdout) return true;
    if (o.format == Format::Json) {
        spill_.reset(std::tmpfile());
        if (!spill_) {
            error = "cannot make a temporary file";
            return false;
        }
        out_ << "{\"year\":" << o.year << ",\"assets\":[";
    } else if (o.format == Format::Csv) {
        out_ << kAssetsHeader;
    } else {
        out_ << AssetTableHeader(o.year);
    }
    return true;
}

void Sinks::Block(const SecondPass& p, const RegisterOptions& o) {
    if (files_) {
        assets_.Write(p.assets_csv);
        schedules_.Write(p.schedules_csv.view());
    }
    if (!o.to_stdout) return;
    if (o.format == Format::Csv) out_ << p.assets_csv;
    if (o.format == Format::Table) out_ << p.table;
    if (o.format == Format::Json) {
        List(p.assets_json, assets_started_);
        std::string_view s = p.schedules_json;
        if (!s.empty() && !schedules_started_) s.remove_prefix(1);
        schedules_started_ = schedules_started_ || !s.empty();
        Write(spill_.get(), s, failed_);
    }
}

bool Sinks::Finish(const RegisterOptions& o, const std::string& totals_csv,
                   const std::string& form_csv, const std::string& totals_other,
                   const std::string& form_other, std::string& error) {
    if (o.to_stdout && o.format == Format::Json) {
        out_ << "\n],\"schedules\":[";
        std::rewind(spill_.get());
        char buf[1 << 16];
        while (std::size_t n = std::fread(buf, 1, sizeof buf, spill_.get()))
            out_.write(buf, static_cast<std::streamsize>(n));
        bool started = false;
        out_ << "\n],\"totals\":[";
        List(totals_other, started);
        started = false;
        out_ << "\n],\"form4562\":[";
        List(form_other, started);
        out_ << "\n],\"errors\":[]}\n";
    } else if (o.to_stdout && o.format == Format::Csv) {
        out_ << '\n' << kTotalsHeader << totals_csv << '\n' << kFormHeader << form_csv;
    } else if (o.to_stdout) {
        out_ << '\n'
             << TotalsTableHeader() << totals_other << "\nForm 4562, tax year " << o.year << '\n'
             << form_other;
    }
    out_.flush();
    if (!files_) return true;
    for (std::size_t i = 2; i < 4; ++i) {
        File f(std::fopen(folder_.PathOf(kOutFiles[i]).c_str(), "wb"));
        if (!f) failed_ = true;
        if (f) Write(f.get(), i == 2 ? kTotalsHeader : kFormHeader, failed_);
        if (f) Write(f.get(), i == 2 ? totals_csv : form_csv, failed_);
        if (f && std::fclose(f.release()) != 0) failed_ = true;
    }
    if (!assets_.Close()) failed_ = true;
    if (!schedules_.Close()) failed_ = true;
    if (failed_) {
        error = "cannot write the files of '" + o.out_dir->string() + "'";
        return false;
    }
    return folder_.Commit(error);
}

// The two passes over one register.
class Register {
  public:
    Register(const RegisterOptions& o, std::ostream& out, std::ostream& err, std::string_view tool)
        : o_(o), out_(out), err_(err), tool_(tool) {}
    int Run();

  private:
    int Fail(const std::string& message) {
        err_ << tool_ << ": " << message << '\n';
        return 2;
    }
    File Open();
    // Reads the header row; false when it cannot be used (errors_ says why).
    bool ReadHeaderRow(CsvReader& reader);
    int FirstPassOver(std::FILE* file);
    void NameDuplicates(std::FILE* file);
    int ReportErrors();
    int SecondPassOver(std::FILE* file);
    std::string TotalsText(Format format) const;

    const RegisterOptions& o_;
    std::ostream& out_;
    std::ostream& err_;
    std::string_view tool_;
    VehicleLimitTable limits_;
    std::vector<std::string> limit_problems_;
    Header header_;
    std::vector<std::string> names_;
    CsvLimits csv_;
    std::vector<std::pair<int, std::string>> errors_;
    std::vector<IdEntry> ids_;
    std::vector<YearSums> sums_ = std::vector<YearSums>(kPlacedYears);
    std::vector<YearFacts> facts_ = std::vector<YearFacts>(kPlacedYears);
    long long assets_ = 0;
    bool vehicles_ = false;
    std::vector<TotalsRow> totals_ = std::vector<TotalsRow>(kRowYears);
    int low_ = static_cast<int>(kRowYears), high_ = -1;
    FormSums form_;
};

File Register::Open() {
    std::error_code ec;
    if (std::filesystem::is_directory(o_.file, ec)) {
        Fail("cannot read the register '" + o_.file.string() + "': it is a folder");
        return nullptr;
    }
    File f(std::fopen(o_.file.c_str(), "rb"));
    if (!f) Fail("cannot read the register '" + o_.file.string() + "'");
    return f;
}

bool Register::ReadHeaderRow(CsvReader& reader) {
    CsvBlock block;
    if (!reader.Fill(block, 1)) return false;
    const CsvRecord& rec = block.records[0];
    RowReading r;
    CsvFieldError bad;
    if (rec.too_long || !SplitRecord(rec.text, r.fields, r.scratch, bad)) {
        errors_.emplace_back(
            rec.row, "row " + std::to_string(rec.row) + ": expected a header row of column names");
        return false;
    }
    names_.assign(r.fields.begin(), r.fields.end());
    std::vector<std::string> problems;
    const bool ok = ReadHeader(r.fields, header_, problems);
    for (std::string& p : problems)
        errors_.emplace_back(rec.row, std::move(p));
    for (const std::string& name : header_.ignored)
        err_ << IgnoredColumnNote(name) << '\n';
    return ok;
}

int Register::FirstPassOver(std::FILE* file) {
    CsvReader reader(file, csv_);
    if (!ReadHeaderRow(reader)) {
        if (errors_.empty()) {
            err_ << tool_ << ": " << kRegisterEmpty << '\n';
            return 1;
        }
        return ReportErrors();
    }
    const FirstPassInput in{&header_, &names_, &limits_, csv_.max_record};
    OrderedBlocks<FirstPass>::Run(
        reader, o_.jobs, [&](const CsvBlock& b, FirstPass& p) { p.Compute(in, b); },
        [&](const CsvBlock&, FirstPass& p) {
            for (auto& e : p.errors)
                errors_.push_back(std::move(e));
            ids_.insert(ids_.end(), p.ids.begin(), p.ids.end());
            for (std::size_t y = 0; y < kPlacedYears; ++y)
                sums_[y] += p.years[y];
            assets_ += p.assets;
            vehicles_ = vehicles_ || p.vehicles;
        });
    if (reader.failed()) return Fail("cannot read the register '" + o_.file.string() + "'");
    if (assets_ == 0 && errors_.empty()) {
        err_ << tool_ << ": " << kRegisterWithoutAssets << '\n';
        return 1;
    }
    NameDuplicates(file);
    return errors_.empty() ? 0 : ReportErrors();
}

void Register::NameDuplicates(std::FILE* file) {
    const auto key = [](const IdEntry& a, const IdEntry& b) {
        return a.low != b.low ? a.low < b.low : a.high != b.high ? a.high < b.high : a.row < b.row;
    };
    std::sort(ids_.begin(), ids_.end(), key);
    std::map<int, int> first_of;  // a repeated row and the row that had its id first
    for (std::size_t i = 1; i < ids_.size(); ++i) {
        const IdEntry &a = ids_[i - 1], &b = ids_[i];
        if (a.low == b.low && a.high == b.high) {
            const auto earlier = first_of.find(a.row);
            first_of[b.row] = earlier == first_of.end() ? a.row : earlier->second;
        }
    }
    if (first_of.empty()) return;
    // The ids' texts are read again for the messages.
    std::rewind(file);
    CsvReader reader(file, csv_);
    CsvBlock block;
    RowReading r;
    CsvFieldError bad;
    while (reader.Fill(block)) {
        for (std::size_t i = 0; i < block.count; ++i) {
            const auto found = first_of.find(block.records[i].row);
            if (found == first_of.end()) continue;
            SplitRecord(block.records[i].text, r.fields, r.scratch, bad);
            const int f = header_.field_of_column[static_cast<std::size_t>(Column::Id)];
            const std::string_view id = Trim(r.fields[static_cast<std::size_t>(f)]);
            errors_.emplace_back(found->first, RepeatedIdError(found->first, id, found->second));
        }
    }
}

int Register::ReportErrors() {
    std::stable_sort(errors_.begin(), errors_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [row, text] : errors_)
        err_ << text << '\n';
    if (vehicles_) {
        for (const std::string& p : limit_problems_)
            err_ << "note: " << p << '\n';
    }
    if (o_.to_stdout && o_.format == Format::Json) {
        out_ << "{\"year\":" << o_.year
             << ",\"assets\":[],\"schedules\":[],\"totals\":[],\"form4562\":[],\"errors\":[";
        for (std::size_t i = 0; i < errors_.size(); ++i) {
            std::string s = i ? ",\n" : "\n";
            AppendJsonString(s, errors_[i].second);
            out_ << s;
        }
        out_ << "\n]}\n";
    }
    return 1;
}

std::string Register::TotalsText(Format format) const {
    std::string text;
    for (int y = low_; y <= high_; ++y)
        AppendTotalsRow(text, format, kFirstYear + y, totals_[static_cast<std::size_t>(y)]);
    return text;
}

int Register::SecondPassOver(std::FILE* file) {
    for (std::size_t y = 0; y < kPlacedYears; ++y)
        facts_[y] = DecideYear(kFirstYear + static_cast<int>(y), sums_[y]);
    Sinks sinks(out_);
    std::string error;
    if (!sinks.Open(o_, error)) return Fail(error);
    std::rewind(file);
    CsvReader reader(file, csv_);
    CsvBlock header;
    reader.Fill(header, 1);
    const SecondPassInput in{{&header_, &names_, &limits_, csv_.max_record},
                             &facts_,
                             o_.year,
                             o_.format,
                             o_.to_stdout,
                             o_.out_dir.has_value()};
    bool broken = false;
    long long assets = 0;
    OrderedBlocks<SecondPass>::Run(
        reader, o_.jobs, [&](const CsvBlock& b, SecondPass& p) { p.Compute(in, b); },
        [&](const CsvBlock&, SecondPass& p) {
            broken = broken || p.broken;
            if (broken) return;
            sinks.Block(p, o_);
            for (int y = p.low; y <= p.high; ++y)
                totals_[static_cast<std::size_t>(y)] += p.totals[static_cast<std::size_t>(y)];
            low_ = std::min(low_, p.low);
            high_ = std::max(high_, p.high);
            form_ += p.form;
            assets += p.assets;
        });
    if (broken || assets != assets_ || reader.failed())
        return Fail("the register '" + o_.file.string() + "' changed while it was read");
    const Form4562 form = FigureForm(o_.year, form_, o_.business_income, o_.carryover_in);
    const Format other = o_.format == Format::Csv ? Format::Table : o_.format;
    if (!sinks.Finish(o_, TotalsText(Format::Csv), FormText(form, Format::Csv), TotalsText(other),
                      FormText(form, other), error))
        return Fail(error);
    return 0;
}

int Register::Run() {
    File file = Open();
    if (!file) return 2;
    limits_ = LoadVehicleLimits(o_.limits_folder, limit_problems_);
    if (const int status = FirstPassOver(file.get()); status != 0) return status;
    return SecondPassOver(file.get());
}

}  // namespace

int RunRegister(const RegisterOptions& options, std::ostream& out, std::ostream& err,
                std::string_view tool) {
    return Register(options, out, err, tool).Run();
}

}  // namespace orvane::reg
