// `kvs` on arbitrary files: each input is written as a file and shown, as
// text and as JSON, and compared with itself. Every run ends with exit code
// 0 and output, or with exit code 2, a message and no output.
#include "FuzzCheck.h"

#include "KvsTool.h"

#include <QtCore/QFile>
#include <QtCore/QJsonDocument>
#include <QtCore/QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace brivel;

namespace {

int run(const QStringList& args, QString& out, QString& err)
{
    out.clear();
    err.clear();
    QTextStream o(&out);
    QTextStream e(&err);
    return kvs::run(args, o, e);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.kvs"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QString out;
    QString err;
    const int shown = run({QStringLiteral("show"), path}, out, err);
    FUZZ_CHECK(shown == kvs::Same || shown == kvs::Trouble);
    FUZZ_CHECK((shown == kvs::Same) == !out.isEmpty());
    FUZZ_CHECK((shown == kvs::Trouble) == !err.isEmpty());

    const int json = run({QStringLiteral("show"), QStringLiteral("--json"), path}, out, err);
    FUZZ_CHECK(json == shown);
    if (json == kvs::Same)
        FUZZ_CHECK(!QJsonDocument::fromJson(out.toUtf8()).isNull());

    const int same = run({QStringLiteral("diff"), path, path}, out, err);
    FUZZ_CHECK(same == (shown == kvs::Same ? kvs::Same : kvs::Trouble));
    if (same == kvs::Same)
        FUZZ_CHECK(out.isEmpty());
    return 0;
}
