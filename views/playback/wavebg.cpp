#include "views/playback/wavebg.h"

#include <QFont>
#include <QFontMetrics>
#include <QPixmap>
#include <QWheelEvent>

const QRect WaveBg::plotterRect(59, 18, 884, 156);
const QRect WaveBg::smallPlotRect(59, 182, 884, 28);
const QRect WaveBg::scrollButtonRect(908, 147, 20, 20);
const QRect WaveBg::zoomButtonsRect(60, 148, 43, 18);

namespace {
// The room kept free on either side of the progress notice inside the waveform's frame.
constexpr int progressMargin = 12;
} // namespace

WaveBg::WaveBg(QWidget *parent) : QLabel(parent)
{
    m_foreground = new QLabel(this);
    m_foreground->setPixmap(QPixmap(":/images/background_wave.png"));
    m_foreground->setScaledContents(true);
    m_foreground->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_plotter = new Plotter(this);
    m_plotter->setGeometry(plotterRect);
    m_smallPlot = new SmallPlot(this);
    m_smallPlot->setGeometry(smallPlotRect);
    m_smallPlotPlayMarker = new SmallPlotPlayMarker(this);
    m_smallPlotPlayMarker->setGeometry(smallPlotRect);
    m_plotter->hide();
    m_smallPlot->hide();
    m_smallPlotPlayMarker->hide();

    m_progressBar = new ProgressBar(this);
    m_progressBar->setFixedSize(400, 12);
    m_progressBar->hide();

    m_progressLabel = new QLabel(this);
    m_progressLabel->setScaledContents(true);
    QFont font = m_progressLabel->font();
    font.setPointSize(13);
    m_progressLabel->setFont(font);
    m_progressLabel->hide();

    m_scrollButton = new PowerButton(this);
    m_scrollButton->setState(true);
    m_scrollButton->setGeometry(scrollButtonRect);

    m_zoomButtons = new ZoomButtons(this);
    m_zoomButtons->setGeometry(zoomButtonsRect);

    m_foreground->raise();
    m_progressBar->raise();
    m_scrollButton->raise();
    m_zoomButtons->raise();

    connect(m_smallPlot, &SmallPlot::setZoom, m_plotter, &Plotter::setZoomFactor);
    connect(m_smallPlot, &SmallPlot::scrollPlot, m_plotter, &Plotter::scrollPlot);
    connect(m_plotter, &Plotter::updateProgressBar, m_progressBar, &ProgressBar::updatePercentage);
    connect(m_smallPlot, &SmallPlot::setCentreZoomPos, m_plotter, &Plotter::setCentreZoomPos);
    connect(m_plotter, &Plotter::setSmallPlotZoomCentre, m_smallPlot, &SmallPlot::setSmallPlotZoomCentre);
    connect(m_plotter, &Plotter::showSmallPlotPlayMarker, m_smallPlotPlayMarker, &QWidget::show);
    connect(m_plotter, &Plotter::setSmallPlotSampleCount, m_smallPlotPlayMarker, &SmallPlotPlayMarker::setSampleCount);
    connect(m_scrollButton, &PowerButton::buttonOn, m_plotter, &Plotter::setScrolling);
    connect(m_zoomButtons, &ZoomButtons::zoom, m_plotter, &Plotter::zoomPlot);
    connect(m_zoomButtons, &ZoomButtons::zoom, m_plotter, &Plotter::updateZoom);
    connect(m_plotter->chordsStrip(), SIGNAL(stopScrolling(bool)), m_scrollButton, SLOT(setValueFromSession(bool)));
    connect(m_plotter->playMarker(), SIGNAL(setSmallPos(int)), m_smallPlotPlayMarker, SLOT(updatePos(int)));
}

void WaveBg::setProgressLabelText(QString text)
{
    m_progressLabel->raise();
    m_progressLabel->show();
    // A notice wider than the view (a long title after a long translation) is shortened in
    // its middle, so that both its start and its end stay in view.
    const QFontMetrics metrics(m_progressLabel->font());
    text = metrics.elidedText(text, Qt::ElideMiddle, plotterRect.width() - 2 * progressMargin);
    m_progressLabel->setText(QString("<font color=#c86423>%1</font>").arg(text.toHtmlEscaped()));
    const int textWidth = metrics.horizontalAdvance(text);
    m_progressLabel->setGeometry(width() / 2 - textWidth / 2, 67, 2 * textWidth, 30);
}

void WaveBg::clearProgressLabel()
{
    m_progressLabel->clear();
    m_progressLabel->hide();
}

void WaveBg::resizeEvent(QResizeEvent *event)
{
    m_foreground->setGeometry(rect());
    m_progressBar->move(width() / 2 - m_progressBar->width() / 2,
                        height() / 2 - m_progressBar->height() / 2 - 15);
    m_plotter->setGeometry(plotterRect);
    m_smallPlot->setGeometry(smallPlotRect);
    m_smallPlotPlayMarker->setGeometry(smallPlotRect);
    QLabel::resizeEvent(event);
}
