#pragma once

// The fields of one data line that a read uses, taken apart in the file's dialect.

#include "data/CsvDialect.h"
#include "data/CsvReader.h"
#include "data/DataReadReport.h"
#include "data/NumberText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

// The values of the columns a read uses. Not cleared between lines: a column that a short line
// does not reach keeps the value an earlier line gave it.
class UsedFields
{
public:
    UsedFields(CsvDialect dialect,
        const std::array<DataReadReport::ColumnFindings, DataReadReport::RoleCount> &roles,
        int timeColumn)
        : m_dialect(dialect)
        , m_timeColumn(timeColumn >= 1 && timeColumn <= kFieldCount ? timeColumn : 0)
    {
        m_lastColumn = m_timeColumn;
        for (std::size_t role = 0; role < roles.size(); ++role) {
            m_columns[role] = roles[role].column;
            m_wanted[role] = roles[role].wanted;
            if (m_wanted[role] && m_columns[role] >= 1 && m_columns[role] <= kFieldCount)
                m_lastColumn = std::max(m_lastColumn, m_columns[role]);
        }
    }

    // Takes the fields of one line; returns how many the line has, counted up to the last used
    // column.
    int take(std::string_view line)
    {
        CsvFieldReader fields(line, m_dialect.separator);
        CsvField field;
        int k = 0;
        m_timeFound = false;
        while (k < m_lastColumn && fields.next(field)) {
            ++k;
            if (k == m_timeColumn) {
                m_timeText.assign(csvFieldValue(field, m_dialect, m_scratch));
                m_timeFound = true;
            }
            for (std::size_t role = 0; role < m_columns.size(); ++role)
                if (m_wanted[role] && m_columns[role] == k)
                    set(role, field);
        }
        return k;
    }

    double value(DataReadReport::Role role) const { return m_values[role]; }
    // The time field of the line taken last; nothing when the line ends before it.
    std::optional<std::string_view> timeText() const
    {
        return m_timeFound ? std::optional<std::string_view>(m_timeText) : std::nullopt;
    }
    bool holdsNumber(DataReadReport::Role role) const { return m_numbers[role]; }
    bool present(DataReadReport::Role role, int fieldCount) const
    {
        return m_columns[role] >= 1 && m_columns[role] <= fieldCount;
    }

private:
    void set(std::size_t role, const CsvField &field)
    {
        const std::string_view text = csvFieldValue(field, m_dialect, m_scratch);
        m_numbers[role] = startsWithNumber(text);
        m_values[role] = m_numbers[role] ? parseDouble(text) : 0.0;
    }

    CsvDialect m_dialect;
    std::array<int, DataReadReport::RoleCount> m_columns {};
    std::array<bool, DataReadReport::RoleCount> m_wanted {};
    int m_lastColumn = 0;
    std::array<double, DataReadReport::RoleCount> m_values {};
    std::array<bool, DataReadReport::RoleCount> m_numbers {};
    std::string m_scratch;
    int m_timeColumn;
    std::string m_timeText;
    bool m_timeFound = false;
};
