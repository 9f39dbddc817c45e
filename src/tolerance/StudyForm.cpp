// Between the window's boxes and a study: the rows, the texts and their conversion.

#include "tolerance/StudyForm.h"

#include <charconv>
#include <cstdlib>
#include <sstream>

#include "common/Numbers.h"

namespace lm {

namespace {

std::string Text(double v) {
    if (v == 0) return {};
    std::ostringstream s;
    s.precision(9);
    s << v;
    return s.str();
}

std::string Count(std::uint64_t v) { return std::to_string(v); }

// Converted as every box converts, then taken as the decimal the single stands for, so
// 0.01 typed is kept (and saved) as 0.01, not as the single's 0.00999999978.
double Typed(const std::string& text) {
    const float f = ParseTypedNumber(text);
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, f).ptr;
    return std::strtod(std::string(buf, end).c_str(), nullptr);
}

std::string Trimmed(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

}  // namespace

const std::vector<StudyFormRow>& StudyFormRows() {
    static const std::vector<StudyFormRow> rows = [] {
        std::vector<StudyFormRow> r;
        for (const DimensionInfo& d : AllDimensions())
            r.push_back({&d, nullptr, std::string(d.CodeName), IsAngleDimension(d) ? "degrees" : "length"});
        for (const PinJoint& j : AllPinJoints())
            r.push_back({nullptr, &j, "pin " + std::to_string(j.Pivot), std::string(j.Name)});
        return r;
    }();
    return rows;
}

StudyForm StudyFormOf(const ToleranceStudy& study) {
    StudyForm form;
    for (const StudyFormRow& row : StudyFormRows()) {
        std::string text;
        if (row.Dimension) {
            for (const auto& [name, t] : study.Tolerances)
                // A tolerance of 0 given on purpose is kept, so the default does not reach it.
                if (name == row.Dimension->CodeName) text = t == 0 ? "0" : Text(t);
        } else {
            for (const auto& [pivot, c] : study.Clearances)
                if (pivot == row.Pin->Pivot) text = Text(c);
        }
        form.Rows.push_back(text);
    }
    form.DefaultLength = Text(study.DefaultLength);
    form.DefaultAngle = Text(study.DefaultAngle);
    form.Samples = Count(study.Samples);
    form.Seed = Count(study.Seed);
    std::string settings;
    for (const std::string& s : study.Settings) settings += (settings.empty() ? "" : ",") + s;
    form.Settings = settings;
    form.Normal = study.Shape == Spread::Normal;
    return form;
}

std::string ReadStudyForm(const StudyForm& form, ToleranceStudy& study) {
    const auto& rows = StudyFormRows();
    if (form.Rows.size() != rows.size()) return "the table does not list every dimension and pin";
    ToleranceStudy s;
    s.Shape = form.Normal ? Spread::Normal : Spread::Uniform;
    s.DefaultLength = Typed(form.DefaultLength);
    s.DefaultAngle = Typed(form.DefaultAngle);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::string text = Trimmed(form.Rows[k]);
        if (text.empty()) continue;
        if (rows[k].Dimension) s.SetTolerance(rows[k].Name, Typed(text));
        else s.SetClearance(rows[k].Pin->Pivot, Typed(text));
    }
    if (!ParseWholeNumber(Trimmed(form.Samples), s.Samples))
        return "samples: '" + form.Samples + "' is not a whole number";
    if (!ParseWholeNumber(Trimmed(form.Seed), s.Seed)) return "seed: '" + form.Seed + "' is not a whole number";
    s.Settings.clear();
    std::stringstream list(form.Settings);
    for (std::string item; std::getline(list, item, ',');)
        if (!Trimmed(item).empty()) s.Settings.push_back(Trimmed(item));
    if (std::string error = CheckStudy(s); !error.empty()) return error;
    study = std::move(s);
    return {};
}

}  // namespace lm
