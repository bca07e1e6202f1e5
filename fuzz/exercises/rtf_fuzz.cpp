// Any bytes: the reader never crashes, hangs or overflows; what it reads, written back and
// read again, gives the same text.
#include "exercises/rtfreader.h"
#include "exercises/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rtf_fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv); // fonts need it
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument doc;
    if (!orbane::rtf::read(bytes, doc))
        return 0;
    QTextDocument again;
    if (!orbane::rtf::read(orbane::rtf::write(doc), again))
        std::abort(); // the writer wrote something that is not RTF
    if (again.toPlainText() != doc.toPlainText())
        std::abort(); // the text changed on its way through the writer
    return 0;
}
