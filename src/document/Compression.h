#pragma once

#include <QByteArray>

namespace vevezo {

// No compressed content is inflated beyond this size: a report set never comes near it, and a
// small stream that claims to unpack to gigabytes is refused instead of exhausting memory.
inline constexpr qsizetype kMaxInflatedSize = qsizetype(512) * 1024 * 1024;

// One zlib stream (zlib header, deflate data at the best compression level 9, Adler-32 trailer).
// Throws Error when zlib fails (it only does when memory runs out).
QByteArray Compress(const QByteArray& bytes);

// Inflates one zlib stream; bytes after the end of the stream are ignored. A stream that is
// truncated, corrupt or fails its checksum throws Error, as does one that would inflate to more
// than `limit` bytes (before more than that is allocated).
QByteArray Decompress(const QByteArray& bytes, qsizetype limit = kMaxInflatedSize);

} // namespace vevezo
