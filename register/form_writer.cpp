// Form 4562's lines as the register writes them: one row a line, and a row for each class,
// convention and method of lines 19 and 20.

#include <optional>
#include <vector>

#include "register/writers.h"

namespace orvane::reg {
namespace {

constexpr std::string_view kLine19Class[] = {"3-year property",
                                             "5-year property",
                                             "7-year property",
                                             "10-year property",
                                             "15-year property",
                                             "20-year property",
                                             "25-year property",
                                             "Residential rental property",
                                             "Nonresidential real property"};
constexpr std::string_view kLine20Class[] = {"Class life", "12-year", "30-year", "40-year"};

std::string RecoveryText(int halves) {
    if (halves == 0) return {};
    return std::to_string(halves / 2) + (halves % 2 ? ".5" : "") + " yrs";
}

std::string_view ConventionText(Convention c) {
    return c == Convention::MidQuarter ? "MQ" : c == Convention::MidMonth ? "MM" : "HY";
}

std::string_view MethodText(int factor_percent) {
    return factor_percent == 200 ? "200 DB" : factor_percent == 150 ? "150 DB" : "S/L";
}

FormLine ClassRow(const ClassLine& l) {
    const std::size_t r = static_cast<std::size_t>(l.row - 'a');
    FormLine row;
    row.line = std::string(l.part == '9' ? "19" : "20") + l.row;
    row.cls = l.part == '9' ? kLine19Class[r] : kLine20Class[r];
    row.recovery = RecoveryText(l.recovery_halves);
    row.key = row.line;
    if (!l.used) return row;
    row.basis = l.basis;
    row.convention = ConventionText(l.convention);
    row.method = MethodText(l.factor_percent);
    row.amount = l.amount;
    row.key = FormRowKey(row.line, l.convention, l.factor_percent);
    return row;
}

}  // namespace

std::string FormRowKey(std::string_view line, Convention convention, int factor_percent) {
    std::string key(line);
    key += ' ';
    key += ConventionText(convention);
    key += ' ';
    key += MethodText(factor_percent);
    return key;
}

std::vector<FormLine> FormLines(const Form4562& f) {
    const Section179Lines& s = f.section179;
    const auto known = [&](long long v) {
        return s.known ? std::optional<long long>(v) : std::nullopt;
    };
    std::vector<FormLine> rows;
    // A line of its own: the line, its basis (lines 6, 26 and 27) and amount.
    const auto add = [&rows](std::string line, std::optional<long long> basis,
                             std::optional<long long> amount) {
        rows.push_back({line, "", basis, "", "", "", amount, line});
    };
    add("1", {}, known(s.line1));
    add("2", {}, s.line2);
    add("3", {}, known(s.line3));
    add("4", {}, known(s.line4));
    add("5", {}, known(s.line5));
    add("6", s.line6_cost, s.line6);
    for (const auto& [line, amount] : {std::pair{"7", s.line7},
                                       {"8", s.line8},
                                       {"9", s.line9},
                                       {"10", s.line10},
                                       {"11", s.line11},
                                       {"12", s.line12},
                                       {"13", s.line13},
                                       {"14", f.line14},
                                       {"17", f.line17}})
        add(line, {}, amount);
    for (const ClassLine& l : f.classes)
        rows.push_back(ClassRow(l));
    add("21", {}, f.line21);
    add("22", {}, f.line22);
    add("25", {}, f.line25);
    add("26", f.line26_basis, f.line26);
    add("27", f.line27_basis, f.line27);
    add("28", {}, f.line28);
    return rows;
}

namespace {

void Number(std::string& out, std::optional<long long> v, Format format) {
    if (v) {
        if (format == Format::Table) {
            AppendGrouped(out, *v, true);
        } else {
            out += std::to_string(*v);
        }
    } else if (format == Format::Json) {
        out += "null";
    }
}

void TableCell(std::string& out, const std::string& text, std::size_t width, bool right) {
    if (right && text.size() < width) out.append(width - text.size(), ' ');
    out += text;
    if (!right && text.size() < width) out.append(width - text.size(), ' ');
}

}  // namespace

std::string FormText(const Form4562& form, Format format) {
    std::string out;
    if (format == Format::Table) {
        TableCell(out, "line", 5, false);
        TableCell(out, "class", 28, false);
        TableCell(out, "basis", 14, true);
        out += "  recovery conv method         amount\n";
    }
    for (const FormLine& r : FormLines(form)) {
        if (format == Format::Csv) {
            out += r.line + ',';
            AppendCsvField(out, r.cls);
            out += ',';
            Number(out, r.basis, format);
            out += ',' + r.recovery + ',' + r.convention + ',' + r.method + ',';
            Number(out, r.amount, format);
            out += '\n';
        } else if (format == Format::Json) {
            out += ",\n{\"line\":";
            AppendJsonString(out, r.line);
            JsonText(out, "class", r.cls);
            out += ",\"basis\":";
            Number(out, r.basis, format);
            JsonText(out, "recovery", r.recovery);
            JsonText(out, "convention", r.convention);
            JsonText(out, "method", r.method);
            out += ",\"amount\":";
            Number(out, r.amount, format);
            out += '}';
        } else {
            std::string basis, amount;
            Number(basis, r.basis, format);
            Number(amount, r.amount, format);
            TableCell(out, r.line, 5, false);
            TableCell(out, r.cls, 28, false);
            TableCell(out, basis, 14, true);
            out += "  ";
            TableCell(out, r.recovery, 9, false);
            TableCell(out, r.convention, 5, false);
            TableCell(out, r.method, 7, false);
            TableCell(out, amount, 14, true);
            out += '\n';
        }
    }
    return out;
}

}  // namespace orvane::reg
