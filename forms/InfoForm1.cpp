// The information window as it is designed.

#include "forms/InfoForm1.h"

#include "forms/ProductInfo.h"
#include "forms/SceneConstants.h"

namespace {

const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
constexpr int kOrange = 33023;  // RGB #FF8000
constexpr int kBlueText = 16711680;

void text(Control& c, int left, int top, int width, int height, int fontColor, const QString& caption)
{
    c.setBounds(left, top, width, height);
    c.look.font = kPGothic;
    c.look.fontPixels = 11;
    c.look.transparent = true;
    c.setFontColor(fontColor);
    c.setCaption(caption);
}

void overlay(Control& c, int left, int top, int width, int height, const QString& hint)
{
    c.setBounds(left, top, width, height);
    c.look.transparent = true;
    c.look.handCursor = true;
    c.setHint(hint);
}

}  // namespace

TInfoForm1::TInfoForm1(Host& host)
    : m_host(host)
{
    caption = product::titleAndVersion();
    Panel1.setBounds(0, 0, kClientWidth, kClientHeight);
    Panel1.setColor(kWhite);
    Panel1.look.sunken = true;
    Panel1.look.penWidth = 2;
    Image1.setBounds(8, 4, 200, 54);
    Image1.setPicture(QImage(QStringLiteral(":/info/logo.png")));
    text(Label1, 44, 52, 201, 11, kBlueText, product::kCredit);
    Label1.setHint(product::kCreditInFull);
    text(Label3, 70, 69, 111, 11, kOrange, QStringLiteral("mail : ") + product::kSupportMail);
    overlay(SpeedButton3, 65, 69, 120, 11, QStringLiteral("サポートへメールを送る"));
    text(Label2, 81, 86, 87, 11, kOrange, QStringLiteral("url : ") + product::kSiteUrl);
    overlay(SpeedButton1, 76, 86, 96, 11, QStringLiteral("公式サイトを開く"));
    SpeedButton2.setBounds(85, 104, 77, 16);
    SpeedButton2.setCaption(QStringLiteral("CLOSE (&X)"));
    SpeedButton2.setHint(QStringLiteral(" 閉じる"));
    SpeedButton2.look.font = kPGothic;
    SpeedButton2.look.fontPixels = 11;
    SpeedButton2.setFontColor(kBlack);

    SpeedButton1.onClick = [this] { SpeedButton1Click(); };
    SpeedButton2.onClick = [this] { SpeedButton2Click(); };
    SpeedButton3.onClick = [this] { SpeedButton3Click(); };
}
