// Text, as UTF-8 and as raw UTF-16 (lone surrogates, NUL), through every conversion into a record.
#include "data/codepage.h"
#include "data/data_dir.h"
#include "data/text.h"
#include "data/types.h"
#include "fuzz.h"

#include <QFile>

#include <cmath>

using namespace velmora;

static void convert(const QString& text)
{
    const double v = readNumber(text);
    const float single = toSingle(v);
    const int16_t integer = toInteger(v);
    CHECK(std::isfinite(single) && readNumber(numberText(int(integer))) == integer);
    CHECK(!numberText(single).isEmpty() && !priceText(single).isEmpty() && !totalText(v).isEmpty());
    // A typed name stores as exactly 80 code-page bytes and reads back as it was stored.
    const QByteArray bytes = EntryRecord{fieldText(text), single, integer, 0, 0, 0, 0, 0}.encode();
    CHECK(encode1252(fieldText(text)).size() == TextFieldLength);
    CHECK(EntryRecord::decode(bytes.constData()).encode() == bytes);
    CHECK(recordNumber(recordNumberText(recordNumber(text))) == recordNumber(text));
    // A race name makes one file name inside the data folder, short enough for it.
    const DataDir dir(QStringLiteral("/data"));
    for (const QString& path : {dir.raceTeams(text), dir.raceTestDrivers(text)}) {
        const QString name = path.mid(6);
        CHECK(path.startsWith(u"/data/") && !name.contains(u'/') && !name.contains(QChar(0)));
        CHECK(name != u"." && name != u".." && QFile::encodeName(name).size() <= 255);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    convert(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    convert(QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2)));
    return 0;
}
