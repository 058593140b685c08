#pragma once

#include <QTest>

#include <array>
#include <cstddef>

// A data table's columns in one line: columns<QString, int>({"name", "count"}).
template <typename... Types> void columns(const std::array<const char*, sizeof...(Types)>& names)
{
    std::size_t i = 0;
    (QTest::addColumn<Types>(names[i++]), ...);
}
