#include "preferences/languagetab.h"

#include "preferences/languages.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QVBoxLayout>

LanguageTab::LanguageTab(QWidget *parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
    , m_apply(new QPushButton(tr("Apply"), this))
    , m_launcher([](const QString &program) { return QProcess::startDetached(program, QStringList()); })
{
    auto *group = new QGroupBox(tr("Select Language:"), this);
    // Two columns, read down the first and then the second: the dialog stays lower than
    // the main window, so that it fits the screens the window fits.
    auto *groupLayout = new QGridLayout(group);
    const int rows = (programLanguageCount + 1) / 2;
    m_group->setExclusive(true);
    for (int i = 0; i < programLanguageCount; ++i) {
        const LanguageEntry &entry = programLanguages[i];
        auto *button = new QRadioButton(QString::fromUtf8(entry.name), group);
        button->setIcon(QIcon(QString::fromLatin1(entry.flag)));
        button->setObjectName(QString::fromLatin1(entry.code));
        groupLayout->addWidget(button, i % rows, i / rows);
        m_group->addButton(button);
        m_buttons << button;
    }
    m_buttons.first()->setChecked(true);
    groupLayout->addWidget(m_apply, rows, 0, 1, 2, Qt::AlignTop | Qt::AlignRight);
    groupLayout->setRowStretch(rows, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(new QWidget(this), 1, Qt::AlignTop);

    connect(m_apply, SIGNAL(released()), this, SLOT(setLanguage()));
    connect(m_group, SIGNAL(buttonClicked(QAbstractButton *)), this, SLOT(languageChanged(QAbstractButton *)));

    QSettings settings("Quillfen", "Plectronome");
    settings.beginGroup("Language");
    m_language = settings.value("language", QString()).toString();
    for (QRadioButton *button : m_buttons) {
        if (button->objectName() == m_language)
            button->setChecked(true);
    }
    settings.endGroup();
    settings.sync();
}

QString LanguageTab::checkedCode() const
{
    QAbstractButton *checked = m_group->checkedButton();
    return checked ? checked->objectName() : QString();
}

QString LanguageTab::getLanguage()
{
    return m_language;
}

void LanguageTab::languageChanged(QAbstractButton *button)
{
    m_changed = button->objectName() != m_language;
}

void LanguageTab::setLanguage()
{
    if (!m_changed)
        return;
    QMessageBox box;
    box.setIcon(QMessageBox::Question);
    box.setText(tr("Language Selection - Restart Required"));
    box.setInformativeText(tr("Plectronome must be restarted for language change to take effect."));
    QPushButton *relaunch = box.addButton(tr("Relaunch Now"), QMessageBox::YesRole);
    QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::NoRole);
    box.setEscapeButton(cancel);
    box.exec();
    m_changed = false;
    if (box.clickedButton() != relaunch)
        return;
    if (m_closeCheck && !m_closeCheck())
        return;

    QSettings settings("Quillfen", "Plectronome");
    settings.beginGroup("Language");
    settings.setValue("change language", true);
    settings.setValue("language", checkedCode());
    settings.endGroup();
    settings.sync();
    // A language that could not be stored would come back unchanged after the relaunch.
    if (settings.status() != QSettings::NoError) {
        QMessageBox::warning(this, tr("Language not saved"),
                             tr("The new language could not be saved to<br />%1<br />Plectronome keeps its "
                                "language.<br />Please check that its folder can be written and that the disk "
                                "is not full.")
                                 .arg(settings.fileName().toHtmlEscaped()));
        return;
    }

    emit writeSettings();
    // This run closes either way; the new language is stored for the next start.
    if (!m_launcher(QCoreApplication::applicationFilePath()))
        QMessageBox::information(nullptr, QStringLiteral("Plectronome"),
                                 tr("Plectronome could not start again by itself. Please start it again to "
                                    "see the new language."));
    emit closeMainwindow();
}
