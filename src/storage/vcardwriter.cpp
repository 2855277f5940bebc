#include "storage/vcardwriter.h"

namespace vennor {
namespace {

constexpr qsizetype kMaxOctets = 75;

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

QString escapedText(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'\\' || c == u',' || c == u';') {
            escaped.append(u'\\');
            escaped.append(c);
        } else if (c == u'\n') {
            escaped.append(u"\\n");
        } else if (c != u'\r') {
            escaped.append(c);
        }
    }
    return escaped;
}

void appendFoldedLine(QByteArray& out, QByteArrayView line)
{
    qsizetype room = kMaxOctets;
    while (line.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && isContinuationByte(line[cut])) {
            --cut;
        }
        out.append(line.first(cut));
        out.append("\r\n ");
        line = line.sliced(cut);
        room = kMaxOctets - 1; // the blank that starts a continued line counts
    }
    out.append(line);
    out.append("\r\n");
}

} // namespace vennor
