#include "views/chords/chordstab.h"

#include "metadata/metadata.h"
#include "views/chords/capowidget.h"
#include "views/chords/chordfilterwidget.h"
#include "views/chords/chordindex.h"
#include "views/chords/chordmodeslabel.h"
#include "views/chords/chordmodeswidget.h"
#include "views/chords/chordscontainer.h"
#include "views/chords/chordsscrollbutton.h"
#include "views/chords/chordtypebutton.h"
#include "views/chords/chordwidget.h"
#include "views/chords/keyslabel.h"
#include "views/chords/keyshiftwidget.h"
#include "views/chords/keyswidget.h"
#include "views/chords/necktypewidget.h"
#include "views/chords/tempowidget.h"
#include "views/playback/custombutton.h"

#include <QStackedWidget>

#include <algorithm>
#include <cmath>

namespace {

// A session value as an integer; false when it is not one.
bool sessionInt(const QStringList &values, int i, int &out)
{
    bool ok = false;
    const int v = values.value(i).trimmed().toInt(&ok);
    if (ok)
        out = v;
    return ok;
}

} // namespace

ChordsTab::ChordsTab(QWidget *parent)
    : QLabel(parent), m_openImage(":/images/chords/chords.png"), m_powerImage(":/images/chords/power_chords.png"),
      m_keyShift(new KeyShiftWidget(this)), m_tempo(new TempoWidget(this)),
      m_openButton(new ChordTypeButton(this, true)), m_powerButton(new ChordTypeButton(this, false)),
      m_neckType(new NeckTypeWidget(this)), m_capo(new CapoWidget(this)),
      m_currentChord(new ChordWidget(this, &m_openImage, &m_powerImage)),
      m_nextChord(new ChordWidget(this, &m_openImage, &m_powerImage)),
      m_finderChord(new ChordWidget(this, &m_openImage, &m_powerImage, true)), m_beatsToNext(new QLabel(this)),
      m_keysRoll(new KeysWidget(this)), m_keysPane(new KeysLabel(this)), m_modesRoll(new ChordModesWidget(this)),
      m_modesPane(new ChordModesLabel(this)), m_pages(new QStackedWidget(this)),
      m_scrollUp(new ChordsScrollButton(this, true)), m_scrollDown(new ChordsScrollButton(this, false)),
      m_filterButton(new CustomButton(QPixmap(":/images/chords/chord_filter_button.png"), this)),
      m_container(new ChordsContainer), m_filter(new ChordFilterWidget)
{
    setPixmap(QPixmap(":/images/chords/chords_overlay.png"));
    setScaledContents(true);

    m_keyShift->move(583, 81);
    m_tempo->move(583, 128);
    m_openButton->move(585, 177);
    m_powerButton->move(629, 177);
    m_neckType->move(583, 225);
    m_capo->move(583, 298);
    m_currentChord->setGeometry(336, 53, 126, 264);
    m_nextChord->setGeometry(483, 62, 87, 178);
    m_finderChord->setGeometry(756, 78, 122, 217);
    QFont font("Arial", 14);
    font.setWeight(QFont::Bold);
    m_beatsToNext->setFont(font);
    m_beatsToNext->setAlignment(Qt::AlignCenter);
    m_beatsToNext->setGeometry(480, 262, 94, 25);
    m_keysRoll->move(756, 55);
    m_keysPane->move(744, 77);
    m_modesRoll->move(798, 56);
    m_modesPane->move(792, 77);
    m_pages->setGeometry(79, 66, 222, 210);
    m_scrollUp->setGeometry(157, 58, 61, 12);
    // The down arrow sits over the chord filter's button, clear of it.
    m_scrollDown->setGeometry(157, 290, 61, 12);
    m_scrollUp->hide();
    m_scrollDown->hide();
    // The chord filter's button shows once the track's analysis has named chords.
    m_filterButton->setFixedSize(89, 18);
    m_filterButton->move(143, 304);
    m_filterButton->hide();
    m_filter->setFixedSize(265, 329);
    m_pages->addWidget(m_container);
    m_pages->addWidget(m_filter);
    m_pages->setCurrentIndex(0);
    m_currentChord->setChord(-1, true);
    m_nextChord->setChord(-1, true);
    m_nextChord->hide();
    m_keysPane->raise();
    m_modesPane->raise();
    setFinderChord();

    connect(m_scrollUp, &QAbstractButton::pressed, m_container, &ChordsContainer::scrollUp);
    connect(m_scrollDown, &QAbstractButton::pressed, m_container, &ChordsContainer::scrollDown);
    connect(m_neckType, &NeckTypeWidget::neckTypeChanged, this, &ChordsTab::changeNeckType);
    connect(m_openButton, &ChordTypeButton::useOpenChords, m_powerButton, &ChordTypeButton::disableButton);
    connect(m_powerButton, &ChordTypeButton::usePowerChords, m_openButton, &ChordTypeButton::disableButton);
    for (ChordTypeButton *button : {m_openButton, m_powerButton}) {
        connect(button, &ChordTypeButton::setChordType, m_currentChord, &ChordWidget::setChordType);
        connect(button, &ChordTypeButton::setChordType, m_nextChord, &ChordWidget::setChordType);
        if (button == m_openButton)
            connect(button, &ChordTypeButton::setChordType, m_finderChord, &ChordWidget::setChordType);
        connect(button, &ChordTypeButton::setChordType, m_container, &ChordsContainer::switchChordType);
        connect(button, &ChordTypeButton::setChordType, this, &ChordsTab::setChordType);
    }
    connect(m_keyShift, &KeyShiftWidget::shiftKey, this, &ChordsTab::setChordKeyShift);
    connect(m_capo, &CapoWidget::shiftFret, this, &ChordsTab::setCapoShift);
    connect(m_modesPane, &ChordModesLabel::setChordMode, m_modesRoll, &ChordModesWidget::setMode);
    connect(m_modesPane, &ChordModesLabel::updateFinderChord, this, &ChordsTab::setFinderChord);
    connect(m_modesRoll, &ChordModesWidget::updateFinderChord, this, &ChordsTab::setFinderChord);
    connect(m_keysPane, &KeysLabel::updateFinderChord, this, &ChordsTab::setFinderChord);
    connect(m_keysRoll, &KeysWidget::updateFinderChord, this, &ChordsTab::setFinderChord);
    connect(m_modesRoll, &ChordModesWidget::showModeLabel, m_modesPane, &ChordModesLabel::showModeLabel);
    connect(m_modesRoll, &ChordModesWidget::hideKeysLabel, m_keysPane, &QWidget::hide);
    connect(m_keysPane, &KeysLabel::setKey, m_keysRoll, &KeysWidget::setKey);
    connect(m_keysRoll, &KeysWidget::showKeysLabel, m_keysPane, &KeysLabel::showKeysLabel);
    connect(m_keysRoll, &KeysWidget::hideModeLabel, m_modesPane, &QWidget::hide);
    connect(m_filter->closeButton(), &QAbstractButton::pressed, this, &ChordsTab::closeFilterWidget);
    connect(m_filterButton, &QAbstractButton::released, this, &ChordsTab::openFilterWidget);
}

void ChordsTab::setMetaData(MetaData *metaData)
{
    if (m_metaData)
        disconnect(m_metaData, &MetaData::changeBeat, this, &ChordsTab::beatChanged);
    m_metaData = metaData;
    if (m_metaData)
        connect(m_metaData, &MetaData::changeBeat, this, &ChordsTab::beatChanged);
}

int ChordsTab::shiftAmount() const
{
    return ChordIndex::shiftAmount(m_keyShiftValue, m_capoValue);
}

QString ChordsTab::rootOf(const QString &name)
{
    return ChordIndex::rootPart(name);
}

// ---- Names to diagrams -----------------------------------------------------------------

int ChordsTab::getChordIndex(QString chord)
{
    return getChordIndex(chord, 0);
}

int ChordsTab::getChordIndex(QString chord, int shiftAmount)
{
    return ChordIndex::transposed(ChordIndex::indexOf(chord), this->shiftAmount(), shiftAmount);
}

void ChordsTab::setChordKeyShift(float keyShift)
{
    if (!std::isfinite(keyShift))
        return;
    if (keyShift > 12.0f)
        keyShift -= 12.0f;
    else if (keyShift < -12.0f)
        keyShift += 12.0f;
    m_keyShiftValue = std::max(-12.0f, std::min(12.0f, keyShift));
    // The strip gets the very shift the diagrams use, so both name the same chord.
    emit setChordStripKeyShift(shiftAmount());
    applyShift();
}

void ChordsTab::setCapoShift(float shiftDirection)
{
    if (!std::isfinite(shiftDirection))
        return;
    m_capoValue = std::max(0.0f, std::min(11.0f, std::trunc(shiftDirection)));
    setChordKeyShift(m_keyShiftValue);
}

// Every diagram starts again from its detected chord, so shifts never add up.
void ChordsTab::applyShift()
{
    const int s = shiftAmount();
    for (ChordWidget *diagram : m_container->openChords())
        diagram->setShift(s);
    for (ChordWidget *diagram : m_container->powerChords())
        diagram->setShift(s);
    m_currentChord->setShift(s);
    m_nextChord->setShift(s);
}

void ChordsTab::initDetectedChords()
{
    QList<ChordWidget *> open;
    QList<ChordWidget *> power;
    QVector<bool> rootTaken(ChordIndex::rootCount, false);
    const int s = shiftAmount();
    const ChordNameList detected = m_metaData ? *m_metaData->currentDetected : ChordNameList();
    for (const QString &name : detected) {
        const int index = ChordIndex::indexOf(name);
        // Empty names, "-" and anything that is not a chord make no diagram.
        if (index < 0)
            continue;
        auto *diagram = new ChordWidget(nullptr, &m_openImage, &m_powerImage);
        diagram->setFixedSize(47, 105);
        diagram->setNeckType(m_neckTypeValue);
        diagram->setDetectedChord(index, s);
        open.append(diagram);
        const int root = index % ChordIndex::rootCount;
        if (!rootTaken.at(root)) {
            rootTaken[root] = true;
            auto *rootDiagram = new ChordWidget(nullptr, &m_openImage, &m_powerImage);
            rootDiagram->setFixedSize(47, 105);
            rootDiagram->setNeckType(m_neckTypeValue);
            rootDiagram->setChordType(1);
            rootDiagram->setDetectedChord(root, s);
            power.append(rootDiagram);
        }
    }
    m_container->setChordWidgets(open, power);
    if (m_scrollPending) {
        m_scrollPending = false;
        m_container->restoreScrollPositions(m_pendingOpenOffset, m_pendingPowerOffset);
    }
    m_container->switchChordType(m_chordType);
    closeFilterWidget();
}

// ---- Playback ----------------------------------------------------------------------------

void ChordsTab::beatChanged()
{
    if (!m_metaData || !m_metaData->hasData())
        return;
    const ChordNameList &names = *m_metaData->currentChords;
    // Written by the player's thread: read once.
    const int p = m_metaData->currentBeat.load(std::memory_order_acquire);
    const int s = shiftAmount();
    if (p < 0 || p >= names.size()) {
        m_currentChord->setDetectedChord(-1, s);
        m_nextChord->setDetectedChord(-1, s);
        m_beatsToNext->clear();
        return;
    }
    const bool power = m_chordType == 1;
    const QString current = power ? rootOf(names.at(p)) : names.at(p);
    QString next;
    int count = 0;
    for (int q = p + 1; q < names.size(); ++q) {
        const QString name = power ? rootOf(names.at(q)) : names.at(q);
        if (name != current) {
            next = name;
            count = q - p;
            break;
        }
    }
    m_beatsToNext->setText(QString("<font color='#929292'>%1</font>").arg(count));
    m_currentChord->setDetectedChord(ChordIndex::indexOf(current), s);
    m_nextChord->setDetectedChord(ChordIndex::indexOf(next), s);
    m_nextChord->show();
}

// ---- Controls ----------------------------------------------------------------------------

void ChordsTab::changeNeckType(int neck)
{
    if (neck < 0 || neck >= NeckTypeWidget::neckCount)
        return;
    m_neckTypeValue = neck;
    m_currentChord->setNeckType(neck);
    m_nextChord->setNeckType(neck);
    m_finderChord->setNeckType(neck);
    m_container->setNeckType(neck);
}

void ChordsTab::setChordType(int type)
{
    if (type != 0 && type != 1)
        return;
    m_chordType = type;
    // The current and next chords are named again for the type (a power chord by its root).
    beatChanged();
}

void ChordsTab::setFinderChord()
{
    m_finderChord->setChord(m_keysRoll->key() + m_modesRoll->getMode() * ChordIndex::rootCount, true);
}

void ChordsTab::openFilterWidget()
{
    m_scrollUp->hide();
    m_scrollDown->hide();
    m_filterButton->hide();
    m_pages->setGeometry(57, 14, 265, 329);
    m_pages->setCurrentIndex(1);
}

void ChordsTab::closeFilterWidget()
{
    m_container->show();
    m_pages->setGeometry(79, 78, 222, 210);
    m_pages->setCurrentIndex(0);
    // The arrows show when the list holds more diagrams than the page.
    const bool scroll = m_metaData && m_metaData->hasData() && m_container->openChords().size() > visibleDiagrams;
    m_scrollUp->setVisible(scroll);
    m_scrollDown->setVisible(scroll);
    m_filterButton->setVisible(m_metaData && m_metaData->hasData() && !m_container->openChords().isEmpty());
}

void ChordsTab::hideFinderLabels()
{
    m_keysPane->hide();
    m_modesPane->hide();
}

void ChordsTab::mousePressEvent(QMouseEvent *event)
{
    hideFinderLabels();
    QLabel::mousePressEvent(event);
}

void ChordsTab::reset()
{
    m_keyShiftValue = 0.0f;
    m_capoValue = 0.0f;
    // A new track starts on the (empty) diagram page, not on an open chord filter.
    m_pages->setGeometry(79, 78, 222, 210);
    m_pages->setCurrentIndex(0);
    m_container->hide();
    m_scrollUp->hide();
    m_scrollDown->hide();
    m_filterButton->hide();
    m_beatsToNext->clear();
    m_currentChord->setDetectedChord(-1, 0);
    setFinderChord();
    m_nextChord->setDetectedChord(-1, 0);
    m_nextChord->hide();
    m_tempo->reset();
    m_keyShift->reset();
    m_capo->reset();
    m_filter->clearSelection();
}

void ChordsTab::restoreSessionValues(const QStringList &values)
{
    int type = m_chordType;
    if (!sessionInt(values, 0, type) || (type != 0 && type != 1))
        type = m_chordType;
    int neck = 0;
    if (sessionInt(values, 1, neck))
        m_neckType->setNeckType(neck);
    int openOffset = 0;
    int powerOffset = 0;
    sessionInt(values, 2, openOffset);
    sessionInt(values, 3, powerOffset);
    m_container->restoreScrollPositions(openOffset, powerOffset);
    // Without results yet the lists are built again when they come: the positions wait for them.
    m_scrollPending = !m_metaData || !m_metaData->hasData();
    m_pendingOpenOffset = openOffset;
    m_pendingPowerOffset = powerOffset;
    m_currentChord->setChordType(type);
    m_nextChord->setChordType(type);
    m_container->switchChordType(type);
    m_powerButton->setFrameOffset(type == 1 ? 0 : 18);
    m_openButton->setFrameOffset(type == 1 ? 18 : 0);
    m_chordType = type;
    int capo = 0;
    if (sessionInt(values, 5, capo))
        m_capo->setCapoFromSession(std::max(0, std::min(CapoWidget::highestFret, capo)));
    int finder = -1;
    if (sessionInt(values, 4, finder) && finder >= 0 && finder < ChordIndex::chordCount) {
        m_finderChord->setChord(finder, true);
        m_modesRoll->setMode(finder / ChordIndex::rootCount);
        m_keysRoll->setKey(finder % ChordIndex::rootCount);
    }
    beatChanged();
}
