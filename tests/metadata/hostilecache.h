// Hostile analysis cache files for the reader's tests and for the cachebomb probe: a
// deflated run of spaces behind a size header that may lie, wrapped as a cache line.
#pragma once

#include <QByteArray>

// A qCompress-style payload: a size header claiming `claimed`, then `bytes` spaces deflated.
QByteArray spaceBomb(qint64 bytes, quint32 claimed);

// The cache file line for data already compressed: enciphered with a checksum, flagged compressed.
QByteArray compressedCacheLine(const QByteArray &compressed);
