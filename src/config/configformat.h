#pragma once

#include "core/controls.h"
#include "core/recordfile.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <tuple>

// The ".P08" configuration file: a record file that copies the main window's controls.
// Record 1 is the magic text; records 2 to 24 are the controls in a fixed order; records 25 to
// 33 are the colour swatches; options added later follow (laterrecords.h). Encoding and
// decoding walk the same tables, so the writer and the reader agree record by record.
namespace orbane::config {

inline const QString kMagic = QStringLiteral("ORBANE1S");
inline constexpr int kSwatchCount = int(std::tuple_size_v<decltype(Controls::Label4)>);
inline constexpr int kFirstSwatchRecord = 25;
inline constexpr int kRecordCount = kFirstSwatchRecord + kSwatchCount - 1; // 33
inline constexpr qint64 kImageSize = qint64(kRecordCount) * records::kRecordSize;
// The bytes the reader looks at: up to the last later record it knows.
qint64 knownSize();

// An integer as text, with a leading blank when it is not negative: " 0", "-1", " 16777215".
QString spacedDecimal(qint64 n);

// Colours are 0xRRGGBB in the controls and 0x00BBGGRR (red in the low byte) in the file.
quint32 toFileColour(Rgb colour);
Rgb fromFileColour(quint32 value);
// A colour as its record's text: " 16711935".
QString fileColourText(Rgb colour);

// Numbers as the reader takes them.
// The number at the start of the text (blanks before it skipped, anything after it ignored),
// rounded half to even; nothing when the text does not start with a number.
std::optional<qint64> leadingInteger(const QString &text);
// The whole text as a number (decimal comma or point), rounded half to even.
std::optional<qint64> wholeInteger(const QString &text);

enum class DecodeError {
    None,
    NotConfig,  // record 1 is not the magic text
    Unreadable, // a record is missing or damaged, or a value is not a number or out of range
};

struct Decoded
{
    std::optional<Controls> controls; // set only when the whole file is good
    DecodeError error = DecodeError::None;
    QString detail; // names the record at fault, for tests and debugging
};

// Reads a whole file image. The controls that the file does not hold are taken from base.
// Nothing is returned unless records 1 to kRecordCount are present and every value is within
// its control's range; a later record that is missing or unreadable gives its absent value.
Decoded decode(const QByteArray &image, const Controls &base);

// Builds records 1 to kRecordCount, and the later records up to the last one not at its absent
// value, from the controls. Nothing is returned (detail says which record) when a value does
// not fit in a record.
std::optional<records::Image> encode(const Controls &controls, QString *detail = nullptr);

} // namespace orbane::config
