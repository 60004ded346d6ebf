#include "register/writers.h"

#include <algorithm>
#include <cstring>

#include "controls/edit_buffer.h"
#include "register/row_reader.h"

namespace orvane::reg {

const std::string_view kAssetsHeader =
    "id,description,property,system,method,recovery,convention,placed_in_service,business_use,"
    "cost,section_179,allowance_percent,allowance,depreciable_basis,depreciation,accumulated,"
    "basis_left,disposed,gain_loss,drift,notes\n";
const std::string_view kSchedulesHeader =
    "id,year,section_179,allowance,depreciation,total,accumulated,basis_left\n";
const std::string_view kTotalsHeader =
    "year,section_179,allowance,depreciation,total,accumulated,basis_left,assets\n";
const std::string_view kFormHeader = "line,class,basis,recovery,convention,method,amount\n";

namespace {

constexpr std::string_view kKindWords[] = {
    "personal", "residential", "nonresidential", "qip", "auto", "truck", "suv", "land"};

std::string_view KindWord(Kind k) {
    return kKindWords[static_cast<std::size_t>(k)];
}
std::string_view ConventionWord(Convention c) {
    switch (c) {
        case Convention::HalfYear:
            return "HY";
        case Convention::MidQuarter:
            return "MQ";
        case Convention::MidMonth:
            return "MM";
        case Convention::None:
            break;
    }
    return {};
}
std::string_view MethodWord(int factor) {
    return factor == 200 ? "200DB" : factor == 150 ? "150DB" : factor == 100 ? "SL" : "";
}
std::string HalvesWord(int halves) {
    if (halves == 0) return {};
    return std::to_string(halves / 2) + (halves % 2 ? ".5" : "");
}

std::string Notes(const AssetView& v) {
    const Schedule& s = *v.schedule;
    const AssetInput& a = *v.input;
    std::string n;
    const auto add = [&](const std::string& text) {
        if (!n.empty()) n += "; ";
        n += text;
    };
    const std::string placed = std::to_string(a.placed.year());
    if (s.notes & kNoteVehicleLimitsUnconfirmed)
        add("the " + placed + " vehicle limits are unconfirmed (one secondary source)");
    if (s.notes & kNoteVehicleLimited) add("limited by the " + placed + " vehicle limits");
    if (s.notes & kNoteSection179Capped) add("section 179 cut to the vehicle's limit");
    if (s.notes & kNoteSection179Scaled)
        add("section 179 cut in proportion to the " + placed + " dollar limitation");
    if (s.notes & kNoteSection179UnknownYear)
        add("no section 179 limits known for " + placed + ": taken as elected");
    if (s.notes & kNoteSameYearDisposal)
        add("placed in service and disposed of in the same year: no allowance, no depreciation");
    if (s.notes & kNoteConventionGivenDiffers)
        add(std::string("convention as given; the ") + placed + " test gives " +
            (s.convention == Convention::HalfYear ? "MQ" : "HY"));
    if ((s.notes & kNoteDrift) && s.drift) {
        std::string t = "drift: carried in ";
        AppendCents(t, a.prior);
        t += " through " + std::to_string(a.prior_through) + ", recomputed ";
        AppendCents(t, a.prior - *s.drift);
        add(t);
    }
    if (s.notes & kNoteRowsCut) add("basis left after the last year the register computes");
    return n;
}

}  // namespace

YearFigures FiguresOf(const Schedule& s, int year) {
    YearFigures f;
    f.basis_left = s.business_cost;
    for (std::size_t i = 0; i < s.count && s.first_year + static_cast<int>(i) <= year; ++i) {
        f.accumulated = s.rows[i].accumulated;
        f.basis_left = s.rows[i].basis_left;
    }
    if (const YearRow* r = s.Row(year)) {
        f.section179 = r->section179;
        f.allowance = r->allowance;
        f.depreciation = r->depreciation;
    }
    return f;
}

AssetWords WordsOf(const AssetView& v) {
    const Schedule& s = *v.schedule;
    const Kind kind = v.input->kind;
    return {KindWord(kind),
            kind == Kind::Land            ? ""
            : s.cls.system == System::Ads ? "ADS"
                                          : "GDS",
            MethodWord(s.cls.factor_percent), ConventionWord(s.convention), Notes(v)};
}

namespace {

void Cell(std::string& out, Cents c) {
    out += ',';
    AppendCents(out, c);
}

void JsonAmount(std::string& out, std::string_view name, std::optional<Cents> c) {
    out += ",\"";
    out += name;
    out += "\":";
    if (c) {
        AppendCents(out, *c);
    } else {
        out += "null";
    }
}

std::size_t Width(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

void Pad(std::string& out, std::string_view text, std::size_t width, bool right) {
    const std::size_t w = Width(text);
    if (right && w < width) out.append(width - w, ' ');
    out += text;
    if (!right && w < width) out.append(width - w, ' ');
}

// A text cut to `width` characters, its last one an ellipsis when cut.
std::string Cut(std::string_view text, std::size_t width) {
    if (Width(text) <= width) return std::string(text);
    std::string out;
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool starts = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (starts && ++n == width) break;
        out += text[i];
    }
    return out + "\u2026";
}

void Money(std::string& out, Cents c, std::size_t width) {
    std::string t;
    AppendGrouped(t, c, false);
    out += ' ';
    Pad(out, t, width, true);
}

}  // namespace

void JsonText(std::string& out, std::string_view name, std::string_view text) {
    out += ",\"";
    out += name;
    out += "\":";
    if (text.empty()) {
        out += "null";
    } else {
        AppendJsonString(out, text);
    }
}

void TotalsRow::Add(const YearRow& r) {
    section179 += r.section179;
    allowance += r.allowance;
    depreciation += r.depreciation;
    accumulated += r.accumulated;
    basis_left += r.basis_left;
    ++assets;
}

TotalsRow& TotalsRow::operator+=(const TotalsRow& o) {
    section179 += o.section179;
    allowance += o.allowance;
    depreciation += o.depreciation;
    accumulated += o.accumulated;
    basis_left += o.basis_left;
    assets += o.assets;
    return *this;
}

void AppendAssetCsv(std::string& out, const AssetView& v, int year) {
    const Schedule& s = *v.schedule;
    const AssetInput& a = *v.input;
    const YearFigures f = FiguresOf(s, year);
    AppendCsvField(out, v.id);
    out += ',';
    AppendCsvField(out, v.description);
    out += ',';
    out += KindWord(a.kind);
    const bool land = a.kind == Kind::Land;
    out += ',';
    if (!land) out += s.cls.system == System::Ads ? "ADS" : "GDS";
    out += ',';
    out += MethodWord(s.cls.factor_percent);
    out += ',' + HalvesWord(s.cls.recovery_halves) + ',';
    out += ConventionWord(s.convention);
    out += ',';
    AppendDay(out, a.placed);
    out += ',';
    AppendHundredths(out, a.business_bp);
    Cell(out, a.cost);
    Cell(out, f.section179);
    out += ',' + std::to_string(s.allowance_percent);
    Cell(out, f.allowance);
    Cell(out, s.depreciable_basis);
    Cell(out, f.depreciation);
    Cell(out, f.accumulated);
    Cell(out, f.basis_left);
    out += ',';
    if (a.disposed.given()) AppendDay(out, a.disposed);
    out += ',';
    if (s.gain_loss) AppendCents(out, *s.gain_loss);
    out += ',';
    if (s.drift) AppendCents(out, *s.drift);
    out += ',';
    AppendCsvField(out, Notes(v));
    out += '\n';
}

void AppendAssetJson(std::string& out, const AssetView& v, int year) {
    const Schedule& s = *v.schedule;
    const AssetInput& a = *v.input;
    const YearFigures f = FiguresOf(s, year);
    out += ",\n{\"id\":";
    AppendJsonString(out, v.id);
    JsonText(out, "description", v.description);
    JsonText(out, "property", KindWord(a.kind));
    JsonText(out, "system",
             a.kind == Kind::Land          ? ""
             : s.cls.system == System::Ads ? "ADS"
                                           : "GDS");
    JsonText(out, "method", MethodWord(s.cls.factor_percent));
    out += ",\"recovery\":";
    out += s.cls.recovery_halves ? HalvesWord(s.cls.recovery_halves) : "null";
    JsonText(out, "convention", ConventionWord(s.convention));
    std::string day;
    AppendDay(day, a.placed);
    JsonText(out, "placed_in_service", day);
    out += ",\"business_use\":";
    AppendHundredths(out, a.business_bp);
    JsonAmount(out, "cost", a.cost);
    JsonAmount(out, "section_179", f.section179);
    out += ",\"allowance_percent\":" + std::to_string(s.allowance_percent);
    JsonAmount(out, "allowance", f.allowance);
    JsonAmount(out, "depreciable_basis", s.depreciable_basis);
    JsonAmount(out, "depreciation", f.depreciation);
    JsonAmount(out, "accumulated", f.accumulated);
    JsonAmount(out, "basis_left", f.basis_left);
    day.clear();
    if (a.disposed.given()) AppendDay(day, a.disposed);
    JsonText(out, "disposed", day);
    JsonAmount(out, "gain_loss", s.gain_loss);
    JsonAmount(out, "drift", s.drift);
    JsonText(out, "notes", Notes(v));
    out += '}';
}

std::string AssetTableHeader(int year) {
    std::string h = "Assets, tax year " + std::to_string(year) + "\n";
    Pad(h, "id", 12, false);
    h += ' ';
    Pad(h, "description", 20, false);
    h += ' ';
    Pad(h, "property", 14, false);
    h += "  rec conv placed    ";
    for (std::string_view name : {"cost", "section 179", "allowance", "depreciation", "accumulated",
                                  "basis left", "gain/loss"}) {
        h += ' ';
        Pad(h, name, 15, true);
    }
    return h + "  notes\n";
}

void AppendAssetTable(std::string& out, const AssetView& v, int year) {
    const Schedule& s = *v.schedule;
    const YearFigures f = FiguresOf(s, year);
    Pad(out, v.id, 12, false);
    out += ' ';
    Pad(out, Cut(v.description, 20), 20, false);
    out += ' ';
    Pad(out, KindWord(v.input->kind), 14, false);
    out += ' ';
    Pad(out, HalvesWord(s.cls.recovery_halves), 4, true);
    out += ' ';
    Pad(out, ConventionWord(s.convention), 4, false);
    out += ' ';
    AppendDay(out, v.input->placed);
    for (Cents c :
         {v.input->cost, f.section179, f.allowance, f.depreciation, f.accumulated, f.basis_left})
        Money(out, c, 15);
    out += ' ';
    std::string gain;
    if (s.gain_loss) AppendGrouped(gain, *s.gain_loss, false);
    Pad(out, gain, 15, true);
    const std::string notes = Notes(v);
    if (!notes.empty()) out += "  " + notes;
    out += '\n';
}

void TextBuffer::Grow(std::size_t n) {
    const std::size_t capacity = std::max(2 * capacity_, size_ + n + 4096);
    std::unique_ptr<char[]> data(new char[capacity]);
    if (size_ > 0) std::memcpy(data.get(), data_.get(), size_);
    data_ = std::move(data);
    capacity_ = capacity;
}

void AppendScheduleCsv(TextBuffer& out, std::string_view id, const Schedule& s) {
    std::string quoted;
    AppendCsvField(quoted, id);
    quoted += ',';
    const std::size_t n_quoted = quoted.size();
    // Each row is written straight into the buffer: a register of a million assets writes
    // some fifteen million of them, most with no section 179 and no allowance. Texts of up to
    // 24 characters are copied 24 at a time (the rows have the room) rather than by length.
    const std::size_t id_room = std::max<std::size_t>(quoted.size(), 24);
    char* p = out.Room((id_room + 8 + 6 * 24) * s.count);
    const bool short_id = quoted.size() <= 24;
    quoted.resize(id_room);
    for (std::size_t i = 0; i < s.count; ++i) {
        const YearRow& r = s.rows[i];
        if (short_id) {
            std::memcpy(p, quoted.data(), 24);
        } else {
            std::memcpy(p, quoted.data(), quoted.size());
        }
        p = PutYear(p + n_quoted, s.first_year + static_cast<int>(i));
        if (r.section179 == 0 && r.allowance == 0) {
            std::memcpy(p, ",0.00,0.00,", 11);
            char* const depreciation = p + 11;
            p = PutCents(depreciation, r.depreciation);
            // The total is the depreciation: its text again.
            const auto n = static_cast<std::size_t>(p - depreciation);
            char text[24];
            std::memcpy(text, depreciation, sizeof text);
            *p++ = ',';
            std::memcpy(p, text, sizeof text);
            p += n;
        } else {
            for (Cents c : {r.section179, r.allowance, r.depreciation, r.total()}) {
                *p++ = ',';
                p = PutCents(p, c);
            }
        }
        *p++ = ',';
        p = PutCents(p, r.accumulated);
        *p++ = ',';
        p = PutCents(p, r.basis_left);
        *p++ = '\n';
    }
    out.EndAt(p);
}

void AppendScheduleJson(std::string& out, std::string_view id, const Schedule& s) {
    for (std::size_t i = 0; i < s.count; ++i) {
        const YearRow& r = s.rows[i];
        out += ",\n{\"id\":";
        AppendJsonString(out, id);
        out += ",\"year\":" + std::to_string(s.first_year + static_cast<int>(i));
        JsonAmount(out, "section_179", r.section179);
        JsonAmount(out, "allowance", r.allowance);
        JsonAmount(out, "depreciation", r.depreciation);
        JsonAmount(out, "total", r.total());
        JsonAmount(out, "accumulated", r.accumulated);
        JsonAmount(out, "basis_left", r.basis_left);
        out += '}';
    }
}

std::string TotalsTableHeader() {
    std::string h = "Totals by tax year\nyear";
    for (std::string_view name : {"section 179", "allowance", "depreciation", "total",
                                  "accumulated", "basis left", "assets"}) {
        h += ' ';
        Pad(h, name, 17, true);
    }
    return h + '\n';
}

void AppendTotalsRow(std::string& out, Format format, int year, const TotalsRow& t) {
    const Cents total = t.total();
    if (format == Format::Csv) {
        out += std::to_string(year);
        for (Cents c :
             {t.section179, t.allowance, t.depreciation, total, t.accumulated, t.basis_left})
            Cell(out, c);
        out += ',' + std::to_string(t.assets) + '\n';
    } else if (format == Format::Json) {
        out += ",\n{\"year\":";
        out += std::to_string(year);
        JsonAmount(out, "section_179", t.section179);
        JsonAmount(out, "allowance", t.allowance);
        JsonAmount(out, "depreciation", t.depreciation);
        JsonAmount(out, "total", total);
        JsonAmount(out, "accumulated", t.accumulated);
        JsonAmount(out, "basis_left", t.basis_left);
        out += ",\"assets\":" + std::to_string(t.assets) + '}';
    } else {
        out += std::to_string(year);
        for (Cents c :
             {t.section179, t.allowance, t.depreciation, total, t.accumulated, t.basis_left})
            Money(out, c, 17);
        out += ' ';
        Pad(out, std::to_string(t.assets), 17, true);
        out += '\n';
    }
}

void AppendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void AppendGrouped(std::string& out, Cents cents, bool whole_dollars) {
    std::string plain;
    if (whole_dollars) {
        plain = std::to_string(cents < 0 ? -cents : cents);
    } else {
        AppendCents(plain, cents < 0 ? -cents : cents);
    }
    const std::size_t digits = whole_dollars ? plain.size() : plain.size() - 3;
    if (cents < 0) out += '-';
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (i > 0 && i < digits && (digits - i) % 3 == 0) out += ',';
        out += plain[i];
    }
}

}  // namespace orvane::reg
