#include "preferences/preferencesmenu.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

PreferencesMenu::PreferencesMenu(QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_devicesTab(nullptr)
    , m_pathsTab(nullptr)
    , m_shortcutsTab(nullptr)
    , m_languageTab(nullptr)
    , m_tabs(new QTabWidget(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    m_devicesTab = new DevicesTab(this);
    m_pathsTab = new PathsTab(this);
    m_shortcutsTab = new ShortcutsTab(this);
    m_languageTab = new LanguageTab(this);
    m_tabs->addTab(m_devicesTab, tr("Audio Device"));
    m_tabs->addTab(m_pathsTab, tr("Default Folders"));
    m_tabs->addTab(m_shortcutsTab, tr("Keyboard Shortcuts"));
    m_tabs->addTab(m_languageTab, tr("Language"));
    // Every page's title stays in view: the dialog grows to hold them.
    m_tabs->setUsesScrollButtons(false);

    connect(m_buttons, SIGNAL(accepted()), this, SLOT(accept()));
    connect(m_buttons, SIGNAL(rejected()), this, SLOT(reject()));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);

    setWindowTitle(tr("Preferences"));
    setModal(true);
    // At least 395 wide, and wide enough for every page's title in every language: the
    // titles have no scroll buttons, so a narrower dialog would cut the last ones off.
    setMinimumWidth(std::max(395, minimumSizeHint().width()));

    connect(m_languageTab, SIGNAL(closeMainwindow()), this, SLOT(accept()));
    connect(m_devicesTab, SIGNAL(deviceStringToIndex(QString)), this, SIGNAL(deviceStringToIndex(QString)));
    connect(m_devicesTab, SIGNAL(setDevice(int)), this, SIGNAL(setAudioDevice(int)));
    connect(m_devicesTab, SIGNAL(setDeviceBufferSize(int)), this, SIGNAL(setDeviceBufferSize(int)));
}

int PreferencesMenu::pageForAction(const QString &actionName)
{
    static const char *const pages[] = {"device", "paths", "shortcuts", "language"};
    for (int i = 0; i < 4; ++i) {
        if (actionName == QLatin1String(pages[i]))
            return i;
    }
    return -1;
}

void PreferencesMenu::showPreferences(QAction *act)
{
    m_devicesTab->refreshDevices();
    const int page = act ? pageForAction(act->objectName()) : -1;
    if (page >= 0)
        m_tabs->setCurrentIndex(page);
    exec();
}

void PreferencesMenu::accept()
{
    // The language page's restart comes back here while OK is being applied: the pages
    // are applied once.
    if (m_accepting) {
        QDialog::accept();
        return;
    }
    m_accepting = true;
    if (m_devicesTab->isChanged() && !m_devicesTab->selectedDevice().isEmpty()) {
        const int index = deviceStringToIndex(m_devicesTab->selectedDevice());
        emit setAudioDevice(index);
    }
    if (m_pathsTab->isChanged()) {
        const QString audio = m_pathsTab->alwaysOpenChecked() ? m_pathsTab->audioPath() : QString();
        emit updatePaths(audio, m_pathsTab->savePath());
    }
    if (m_languageTab->isChanged())
        m_languageTab->setLanguage();
    m_accepting = false;
    QDialog::accept();
}
