// Pasted text (its first two bytes the row and point cell pasted at) on a season race's table:
// it fills the cells its lines and cells cover, each with its number, and leaves every other
// cell as it was; or it changes nothing and says why.
#include "fixture.h"
#include "fuzz.h"
#include "scoring/race_results.h"

using namespace velmora;

static const RaceResults& imola()
{
    static const RaceResults table = [] {
        static test::TempData data;
        test::writeSeason(data.dir());
        const auto league = League::open(data.dir(), League::Mode::Read, nullptr);
        RaceResults read;
        CHECK(league && read.load(*league, QStringLiteral("Imola"), nullptr));
        return read;
    }();
    return table;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    RaceResults table = imola();
    const int row = data[0] % (table.rows() + 1), cell = data[1] % 5;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    QString error;
    const auto cells = table.pasted(text, row, cell, &error);
    if (cells)
        table.set(*cells);
    const auto block = pastedCells(text, nullptr);
    CHECK(bool(cells) == error.isEmpty());
    CHECK(!cells || block);
    // A cell the block covers takes its number (an empty cell 0); an empty cell past a row's
    // points goes nowhere; a number there refuses the whole paste.
    for (int r = 0; r < table.rows(); ++r)
        for (int c = 0; c < table.cells(r); ++c) {
            int16_t expected = imola().points(r, c);
            if (cells && !text.isEmpty() && r >= row && std::size_t(r - row) < block->size()
                && c >= cell && std::size_t(c - cell) < (*block)[std::size_t(r - row)].size())
                expected = (*block)[std::size_t(r - row)][std::size_t(c - cell)].value_or(0);
            CHECK(table.points(r, c) == expected);
        }
    if (cells && !text.isEmpty())
        for (std::size_t l = 0; l < block->size(); ++l)
            for (std::size_t c = 0; c < (*block)[l].size(); ++c)
                CHECK(
                    !(*block)[l][c]
                    || (row + int(l) < table.rows() && cell + int(c) < table.cells(row + int(l))));
    return 0;
}
