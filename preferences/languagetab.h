// LanguageTab: the language page of the preferences dialog (stand-in). It holds the
// language code read from the settings at construction.
#pragma once
#include <QSettings>
#include <QString>
#include <QWidget>

class LanguageTab : public QWidget
{
    Q_OBJECT
public:
    explicit LanguageTab(QWidget *parent = nullptr) : QWidget(parent)
    {
        QSettings settings("Quillfen", "Plectronome");
        m_language = settings.value("Language/language").toString();
    }

public slots:
    QString getLanguage() { return m_language; }

private:
    QString m_language;
};
