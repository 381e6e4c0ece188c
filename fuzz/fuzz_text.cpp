// Arbitrary text through every conversion a typed text goes through on its way into a
// record: the number reading, the field conversions, the record-number text and the race
// file names. The input is taken both as UTF-8 and as raw UTF-16 (lone surrogates, NUL).

#include "check.h"
#include "data/codepage.h"
#include "data/data_dir.h"
#include "data/text.h"
#include "data/types.h"

#include <QFile>
#include <QString>

#include <cfloat>
#include <cmath>

using namespace velmora;

namespace {

void convert(const QString& text)
{
    const double v = readNumber(text);
    const float single = toSingle(v);
    FUZZ_CHECK(std::isfinite(single));
    const int16_t integer = toInteger(v);
    FUZZ_CHECK(readNumber(numberText(int(integer))) == integer);
    (void)numberText(single);
    (void)priceText(single);
    (void)totalText(v);

    // A typed name stores as exactly 80 code-page bytes and reads back as it was stored.
    const QString field = fieldText(text);
    FUZZ_CHECK(encode1252(field).size() == TextFieldLength);
    EntryRecord e;
    e.Owner = field;
    e.Price = single;
    e.Points = integer;
    const QByteArray bytes = e.encode();
    FUZZ_CHECK(bytes.size() == EntryRecord::Length);
    FUZZ_CHECK(EntryRecord::decode(bytes.constData()).encode() == bytes);

    const qint64 n = recordNumber(text);
    FUZZ_CHECK(n >= -1000000000000000LL && n <= 1000000000000000LL);
    FUZZ_CHECK(recordNumber(recordNumberText(n)) == n);

    // A race name makes one file name inside the data folder, short enough for the file
    // system.
    const DataDir dir(QStringLiteral("/data"));
    for (const QString& path : {dir.raceTeams(text), dir.raceTestDrivers(text)}) {
        FUZZ_CHECK(path.startsWith(QStringLiteral("/data/")));
        const QString name = path.mid(6);
        FUZZ_CHECK(!name.contains(u'/') && !name.contains(QChar(0)));
        FUZZ_CHECK(name != QStringLiteral(".") && name != QStringLiteral(".."));
        FUZZ_CHECK(QFile::encodeName(name).size() <= 255);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const auto* bytes = reinterpret_cast<const char*>(data);
    convert(QString::fromUtf8(bytes, qsizetype(size)));
    convert(QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2)));
    convert(decode1252(bytes, int(size)));
    return 0;
}
