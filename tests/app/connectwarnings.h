// Collects the "QObject::connect" warnings printed while it is installed: a string
// connection that names a wrong signal or slot fails with nothing but that warning.
// Every message still reaches the handler installed before.
#pragma once
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace connectwarnings {

inline QStringList &collected()
{
    static QStringList warnings;
    return warnings;
}

inline QtMessageHandler &previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains("QObject::connect"))
        collected() << message;
    if (previousHandler())
        previousHandler()(type, context, message);
}

inline void install()
{
    previousHandler() = qInstallMessageHandler(collect);
}

} // namespace connectwarnings
