#include "document/Compression.h"

#include "common/Error.h"
#include "common/Messages.h"

#include <QString>
#include <algorithm>
#include <limits>
#include <zlib.h>

namespace vevezo {

namespace {

// Input is handed to zlib in pieces its 32-bit counters can hold.
constexpr qsizetype kMaxPiece = std::numeric_limits<uInt>::max();
// The output grows by at least this much, and otherwise doubles, up to the limit.
constexpr qsizetype kMinGrowth = 64 * 1024;

// An inflate stream that is ended whatever way the function leaves.
class Inflater {
public:
    Inflater() {
        if (inflateInit(&stream) != Z_OK) {
            throw Error(QString::fromUtf8(msg::CorruptCompressed));
        }
    }
    ~Inflater() { inflateEnd(&stream); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    z_stream stream{};
};

} // namespace

QByteArray Compress(const QByteArray& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    QByteArray compressed(static_cast<qsizetype>(size), Qt::Uninitialized);
    const int status = compress2(reinterpret_cast<Bytef*>(compressed.data()), &size,
                                 reinterpret_cast<const Bytef*>(bytes.constData()),
                                 static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION);
    if (status != Z_OK) {
        throw Error(QString::fromUtf8(msg::CompressFailed));
    }
    compressed.truncate(static_cast<qsizetype>(size));
    return compressed;
}

QByteArray Decompress(const QByteArray& bytes, qsizetype limit) {
    Inflater inflater;
    z_stream& stream = inflater.stream;
    const char* input = bytes.constData();
    qsizetype remaining = bytes.size();
    QByteArray output;
    for (;;) {
        if (stream.avail_in == 0 && remaining > 0) {
            const qsizetype piece = std::min(remaining, kMaxPiece);
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input));
            stream.avail_in = static_cast<uInt>(piece);
            input += piece;
            remaining -= piece;
        }
        // Room for one byte beyond the limit tells a stream that exceeds it from one that fills
        // it exactly.
        const qsizetype used = output.size();
        const qsizetype room = std::min({std::max(kMinGrowth, used), limit + 1 - used, kMaxPiece});
        output.resize(used + room);
        stream.next_out = reinterpret_cast<Bytef*>(output.data() + used);
        stream.avail_out = static_cast<uInt>(room);
        const int status = inflate(&stream, Z_NO_FLUSH);
        output.resize(used + room - static_cast<qsizetype>(stream.avail_out));
        if (output.size() > limit) {
            throw Error(QString::fromUtf8(msg::InflatedTooLarge).arg(limit));
        }
        if (status == Z_STREAM_END) {
            return output;
        }
        // Z_BUF_ERROR means no progress was possible: the input ended before the stream did.
        if (status != Z_OK) {
            throw Error(QString::fromUtf8(msg::CorruptCompressed));
        }
    }
}

} // namespace vevezo
