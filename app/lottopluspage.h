#pragma once

#include <QWidget>

struct LinkControl;
class PictureBox;
class QLabel;

// The "LOTTO PLUS" page: the results link Label9, the sponsor links Label10
// to Label18 and the pictures Picture1 to Picture3 in Frame1 and Frame2. Each
// click opens the control's address from the link table.
class LottoPlusPage : public QWidget
{
    Q_OBJECT

public:
    explicit LottoPlusPage(QWidget *parent = nullptr);

private:
    QLabel *makeLinkLabel(QWidget *parent, const QString &name, const QString &text,
                          const QRect &geometry, const QFont &font, bool clickHereTip);
    PictureBox *makePicture(QWidget *parent, const QString &name, const QString &file,
                            const QRect &geometry, const QString &sponsor);
    void wireLinks();

    void Label9_Click(int Index);
    void openLink(const LinkControl &link);
};
