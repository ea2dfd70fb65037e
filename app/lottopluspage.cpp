#include "lottopluspage.h"

#include "clickreporter.h"
#include "controls.h"
#include "linktable.h"
#include "openlink.h"
#include "picturebox.h"
#include "twips.h"

#include <QFrame>
#include <QLabel>

namespace {

const QString clickHere = QStringLiteral("Click Here");

const QString label18Text = QStringLiteral(
    "Lose up to 10 pounds in your first month with LeanLark Online, the weight-loss coach that "
    "fits in your pocket - Personal meal plans and daily check-ins - No pills, no gym, no fuss - "
    "Start a free 7-day trial today");

} // namespace

LottoPlusPage::LottoPlusPage(QWidget *parent) : QWidget(parent)
{
    const QFont linkFont = layoutFont(msSansSerif, 12, false, true);
    const QFont smallLinkFont = layoutFont(msSansSerif, 9.75, false, true);

    makeLinkLabel(this, QStringLiteral("Label9(0)"),
                  QStringLiteral("Check your State Lottery Numbers"),
                  twipsRect(720, 600, 4335, 375), layoutFont(msSansSerif, 12, true, true), false);

    auto *Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(twipsRect(120, 1080, 5415, 2535));
    Frame1->setFont(layoutFont(msSansSerif, 12));

    // Created bottom first, so that each control covers the ones before it.
    makeLinkLabel(Frame1, QStringLiteral("Label9(2)"), QString(), twipsRect(120, 360, 2295, 375),
                  smallLinkFont, false);
    struct SponsorLabel
    {
        int number;
        const char *caption;
        QRect geometry;
        bool clickHereTip;
    };
    const std::array<SponsorLabel, 6> sponsors = {{
        {10, "PrizeNest.example", twipsRect(120, 600, 2535, 495), true},
        {11, "SaveSpot.example", twipsRect(120, 960, 2295, 375), false},
        {12, "DealCatcher", twipsRect(120, 1320, 2295, 375), true},
        {13, "JackpotJar.example", twipsRect(120, 240, 2415, 375), true},
        {14, "GiftTree", twipsRect(120, 1680, 2175, 375), true},
        {15, "FunFinds.example", twipsRect(120, 2040, 2055, 375), true},
    }};
    for (const SponsorLabel &sponsor : sponsors) {
        makeLinkLabel(Frame1, QStringLiteral("Label%1").arg(sponsor.number),
                      QString::fromLatin1(sponsor.caption), sponsor.geometry, linkFont,
                      sponsor.clickHereTip);
    }
    makeLinkLabel(Frame1, QStringLiteral("Label16"), QStringLiteral("Free Cash! Free Stuff! "),
                  twipsRect(2300, 1800, 3015, 495), layoutFont(comicSansMs, 14.25, false, true),
                  true);
    PictureBox *Picture1 =
        makePicture(Frame1, QStringLiteral("Picture1"), "sponsor1.bmp",
                    twipsRect(2460, 240, 2895, 1455), QStringLiteral("Prize Barrel"));
    Picture1->setBackgroundRole(QPalette::Base);

    auto *Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame2->setGeometry(twipsRect(120, 3620, 5415, 2775));
    makeLinkLabel(Frame2, QStringLiteral("Label17"), clickHere, twipsRect(360, 2220, 1095, 375),
                  linkFont, false);
    makeLinkLabel(Frame2, QStringLiteral("Label18"), label18Text, twipsRect(2520, 720, 2775, 1935),
                  smallLinkFont, true);
    makePicture(Frame2, QStringLiteral("Picture2"), "sponsor2.bmp", twipsRect(120, 240, 1935, 1935),
                QStringLiteral("Bluewake Sweeps"));
    makePicture(Frame2, QStringLiteral("Picture3"), "sponsor3.bmp", twipsRect(2760, 120, 2295, 615),
                QStringLiteral("LeanLark"));

    wireLinks();
}

QLabel *LottoPlusPage::makeLinkLabel(QWidget *parent, const QString &name, const QString &text,
                                     const QRect &geometry, const QFont &font, bool clickHereTip)
{
    QLabel *label = makeLabel(parent, name, text, geometry, font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    if (clickHereTip)
        label->setToolTip(clickHere);
    // What the link is, for screen readers; wireLinks adds where it leads.
    label->setAccessibleName(text.isEmpty() ? QStringLiteral("State lottery results")
                                            : text.trimmed());
    return label;
}

PictureBox *LottoPlusPage::makePicture(QWidget *parent, const QString &name, const QString &file,
                                       const QRect &geometry, const QString &sponsor)
{
    auto *picture = new PictureBox(QPixmap(QStringLiteral(":/assets/") + file), parent);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    picture->setToolTip(clickHere);
    picture->setAccessibleName(sponsor + QStringLiteral(" banner"));
    return picture;
}

// Every link control, from the link table: its clicks go to its handler, and
// screen readers hear where it leads.
void LottoPlusPage::wireLinks()
{
    for (const LinkControl &link : linkControls) {
        auto *control = findChild<QWidget *>(
            QString::fromLatin1(link.name.data(), qsizetype(link.name.size())));
        auto *reporter = new ClickReporter(control);
        if (link.element == ownHandler)
            connect(reporter, &ClickReporter::clicked, this, [this, &link] { openLink(link); });
        else
            connect(reporter, &ClickReporter::clicked, this,
                    [this, &link] { Label9_Click(link.element); });
        control->setAccessibleName(
            QStringLiteral("%1, link to %2")
                .arg(control->accessibleName(), QString::fromStdString(linkAddress(link))));
    }
}

// Every element opens the results page.
void LottoPlusPage::Label9_Click(int Index)
{
    Q_UNUSED(Index);
    openLink(linkControls.front());
}

void LottoPlusPage::openLink(const LinkControl &link)
{
    OpenWebAddress(linkAddress(link));
}
