// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Els desenvolupadors de Teclarium
// The CSV field guard on any texts (the input split at each zero byte): a row of the
// fields reads back, with quotes and ';' as a spreadsheet reads them, as the same
// texts; a text that a spreadsheet could take for a formula (its first character,
// or the first after leading spaces, one of = + - @, a tab, a CR or a line feed)
// comes back with one apostrophe before it, and only such a text.
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "report/report_csv.h"

using namespace teclarium;

namespace {

bool StartsFormula(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') ++first;
    return first < text.size() && std::string_view("=+-@\t\r\n").find(text[first]) != std::string_view::npos;
}

// One row of ';'-separated fields, each either bare or in quotes with its quotes
// doubled; none when the row is not well formed.
std::optional<std::vector<std::string>> ReadRow(std::string_view row) {
    std::vector<std::string> fields(1);
    std::size_t i = 0;
    while (i < row.size()) {
        std::string& field = fields.back();
        if (row[i] == '"' && field.empty()) {
            for (++i;; ++i) {
                if (i == row.size()) return std::nullopt;
                if (row[i] != '"') {
                    field += row[i];
                    continue;
                }
                if (i + 1 < row.size() && row[i + 1] == '"') {
                    field += '"';
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
            if (i < row.size() && row[i] != ';') return std::nullopt;
        } else if (row[i] != ';') {
            // A bare field holds no quote nor line break.
            if (row[i] == '"' || row[i] == '\r' || row[i] == '\n') return std::nullopt;
            field += row[i++];
            continue;
        }
        if (i < row.size()) {
            fields.emplace_back();
            ++i;
        }
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string_view> texts;
    std::string_view input = Bytes(data, size);
    for (;;) {
        const std::size_t zero = input.find('\0');
        texts.push_back(input.substr(0, zero));
        if (zero == std::string_view::npos) break;
        input.remove_prefix(zero + 1);
    }
    std::string row;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string field = CsvField(texts[i]);
        // The field alone: quoted, or holding nothing that would end it.
        FUZZ_CHECK(field.starts_with('"') || field.find_first_of(";\"\r\n") == std::string::npos);
        if (i > 0) row += ';';
        row += field;
    }
    const std::optional<std::vector<std::string>> fields = ReadRow(row);
    FUZZ_CHECK(fields && fields->size() == texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::string& read = (*fields)[i];
        if (StartsFormula(texts[i]))
            FUZZ_CHECK(read.size() == texts[i].size() + 1 && read.front() == '\'' &&
                       read.substr(1) == texts[i]);
        else
            FUZZ_CHECK(read == texts[i]);
        FUZZ_CHECK(!StartsFormula(read));
    }
    return 0;
}
