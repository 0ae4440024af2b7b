// The main window as it is designed: geometry, colours, fonts and captions of
// every control before any station is shown.

#include "forms/MainForm1.h"
#include "forms/ProductInfo.h"

namespace {

const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kHeavyGothic = QStringLiteral("HGP創英角ｺﾞｼｯｸUB");

void label(Control& c, int left, int top, int width, int height, const QString& font, int pixels, int fontColor,
           ControlLook::Align align = ControlLook::Align::Left)
{
    c.setBounds(left, top, width, height);
    c.look.font = font;
    c.look.fontPixels = pixels;
    c.look.align = align;
    c.look.transparent = true;
    c.setFontColor(fontColor);
}

void shape(Control& c, int left, int top, int width, int height, int fill, int outline,
           ControlLook::Shape form = ControlLook::Shape::Rectangle)
{
    c.setBounds(left, top, width, height);
    c.look.shape = form;
    c.setColor(fill);
    c.setOutlineColor(outline);
}

void gradient(Control& c, int left, int top, int width, int height, int from, int to, bool horizontal = false)
{
    c.setBounds(left, top, width, height);
    c.setColor(from);
    c.look.endColor = to;
    c.look.horizontal = horizontal;
}

void hidden(Control& c, const QString& caption, int left, int top, int width, int height)
{
    c.setBounds(left, top, width, height);
    c.setCaption(caption);
    c.setVisible(false);
}

}  // namespace

void TMainForm1::defineWindow()
{
    Panel01.setBounds(0, 0, 986, 336);
    Panel01.setColor(kBlack);
    gradient(GradBox6, 0, 0, 986, 336, 13158600, kWhite);
    GradBox6.look.sunken = true;

    // Scene panel with the loading panel behind the scroll box.
    Panel00.setBounds(4, 32, 978, 156);
    Panel00.setColor(kBlack);
    Panel00.setCaption(QStringLiteral("Now Loading..."));
    Panel00.look.font = kPGothic;
    Panel00.look.fontPixels = 11;
    Panel00.look.align = ControlLook::Align::Center;
    Panel00.look.centerVertically = true;
    Panel00.setFontColor(kWhite);
    gradient(GradBox5, 0, 0, 420, 156, kGrey, kBlack, true);
    gradient(GradBox7, 978 - 420, 0, 420, 156, kBlack, kGrey, true);
    ProgressBar1.setBounds(408, 88, 160, 8);
    ProgressBar1.minimum = 0;
    ProgressBar1.maximum = 16;
    ProgressBar1.step = 1;
    ProgressBar1.setColor(4605510);
    ProgressBar1.look.endColor = kWhite;
    ProgressBar1.setFontColor(kWhite);
    ScrollBox1.setBounds(8, 24, 962, 126);
    ScrollBox1.setColor(kBlack);
    Panel03.setBounds(0, 0, 3100, 110);
    Panel03.setColor(6579300);

    gradient(GradBox1, 0, 0, kSceneWidth, 69, kBlack, 6579300);
    GradBox1.look.font = kPGothic;
    GradBox1.look.fontPixels = 11;
    GradBox1.look.raisedCaption = true;
    GradBox1.look.shadowColor = kBlue;
    GradBox1.look.captionLeft = 8;
    GradBox1.look.captionTop = 8;
    GradBox1.setFontColor(kYellow);
    gradient(GradBox2, 0, 76, kSceneWidth, 35, 5921370, 10526880);
    const int railTops[4] = {102, 93, 86, 80};
    const int railHeights[4] = {2, 2, 1, 1};
    for (int slot = 1; slot <= 4; ++slot) {
        Control& r = rail(slot);
        shape(r, 0, railTops[slot - 1], kSceneWidth, railHeights[slot - 1], kBlack, kBlack);
        r.look.noFill = true;
    }

    const int trainTops[4] = {44, 34, 28, 22};
    for (int slot = 1; slot <= 4; ++slot) {
        PictureControl& train = trainPicture(slot);
        train.setBounds(kOffScene, trainTops[slot - 1], 0, 58);
        train.look.handCursor = true;
    }
    for (PictureControl* strip : {&Door02, &Door04}) {
        strip->setWidth(kStripWidth);
        strip->setHeight(kStripHeight);
        strip->setLeft(kOffScene);
        strip->setTransparentColor(kStripBlank);
        strip->setPicture([] {
            QImage image(kStripWidth, kStripHeight, QImage::Format_RGB32);
            image.fill(Qt::white);
            return image;
        }());
    }
    Door02.setTop(52);
    Door04.setTop(41);
    Home01.setBounds(50, 28, 0, 69);
    Home02.setBounds(60, 16, 0, 69);
    for (PictureControl* platform : {&Home01, &Home02}) {
        platform->setTransparentColor(qRgb(255, 0, 255));
        platform->setVisible(false);
    }

    // Timetable views.
    Panel02.setBounds(560, 196, 412, 132);
    Panel02.setColor(kBlack);
    Panel02.look.sunken = true;
    OutlookBar2.setBounds(1, 1, 410, 130);
    OutlookBar2.setColor(kBlack);
    const QString groupCaptions[4] = {QStringLiteral("時刻表１"), QStringLiteral("時刻表２"), QStringLiteral("時刻表３"),
                                      QStringLiteral("時刻表４")};
    MemoControl* memos[4] = {&DBMemo1, &DBMemo2, &DBMemo3, &DBMemo4};
    for (int slot = 1; slot <= 4; ++slot) {
        timetableGroup(slot).setCaption(groupCaptions[slot - 1]);
        MemoControl& memo = *memos[slot - 1];
        memo.field = QStringLiteral("ZIKOKU%1").arg(slot);
        memo.setColor(8454143);
        memo.setFontColor(4605510);
        memo.look.font = kPGothic;
        memo.look.fontPixels = 11;
        memo.look.underline = true;
    }

    // Photo album frame.
    Panel04.setBounds(12, 196, 412, 132);
    Panel04.setColor(kBlack);
    Panel04.look.sunken = true;
    OutlookBar1.setBounds(1, 1, 410, 130);
    OutlookBar1.setColor(kBlack);
    OutlookBar1.look.font = kPGothic;
    OutlookBar1.look.fontPixels = 11;
    OutlookBar1.setFontColor(4605510);
    OutlookGroup1_1.setCaption(QStringLiteral("駅周辺写真"));
    label(SpeedButton1, 1, 0, 385, 16, kPGothic, 11, kWhite);
    SpeedButton1.setCaption(QStringLiteral("address:"));
    SpeedButton1.look.handCursor = true;
    IkThumb1.setBounds(0, 16, 386, 110);
    IkThumb1.setColor(4605510);
    IkThumb1.setFontColor(kWhite);
    IkThumb1.setHint(QStringLiteral("マウスホイールでスクロール"));
    IkThumb1.look.handCursor = true;
    for (MenuItemControl* command : {&P01, &P02, &P04, &P06})
        command->checkable = false;

    // Clock and transfer list.
    Bevel1.setBounds(435, 215, 114, 114);
    Bevel1.look.sunken = true;
    Bevel1.look.noFill = true;
    Clock1.setBounds(436, 216, 112, 112);
    MultiColComboBox1.setBounds(436, 194, 114, 21);
    MultiColComboBox1.setColor(8454143);
    MultiColComboBox1.setFontColor(4605510);
    MultiColComboBox1.setHint(QStringLiteral("乗り換え"));
    MultiColComboBox1.look.font = kPGothic;
    MultiColComboBox1.look.fontPixels = 11;
    MultiColComboBox1.look.handCursor = true;
    MultiColComboBox1.look.columnWidths = {94, 100, 122};
    MultiColComboBox1.look.columnColors = {8454143, 12779519, kWhite};
    MultiColComboBox1.look.columnFontColors = {4605510, kRed, 8388863};

    // Line panels.
    const int panelLefts[4] = {4, 200, 590, 786};
    for (int slot = 1; slot <= 4; ++slot) {
        Control& panel = linePanel(slot);
        panel.setBounds(panelLefts[slot - 1], 5, 196, 24);
        panel.setColor(kWhite);
        Control& ring = linePanelItem(slot, 4);
        shape(ring, 3, 3, 18, 18, kWhite, kBlack, ControlLook::Shape::Circle);
        ring.look.penWidth = 3;
        ring.look.noFill = true;
        label(linePanelItem(slot, 1), 24, 1, 154, 10, kHeavyGothic, 8, kBlack);
        label(linePanelItem(slot, 2), 24, 11, 154, 12, kHeavyGothic, 11, kBlack);
        label(linePanelItem(slot, 3), 180, slot == 3 ? 3 : 2, 16, 20, kHeavyGothic, 19, kBlack);
    }

    // Departure boards.
    const int boardLefts[4] = {10, 206, 588, 784};
    for (int slot = 1; slot <= 4; ++slot) {
        Control& b = board(slot);
        b.setBounds(boardLefts[slot - 1], 30, 192, 29);
        b.look.noFill = true;
    }
    Control* boardParts[4][6] = {
        {&Info05_1, &Info05_5, &Info05_6, &Info05_3, &Info05_4, &Info05_2},
        {&Info06_1, &Info06_5, &Info06_6, &Info06_3, &Info06_4, &Info06_2},
        {&Info07_1, &Info07_5, &Info07_6, &Info07_3, &Info07_4, &Info07_2},
        {&Info08_1, &Info08_5, &Info08_6, &Info08_3, &Info08_4, &Info08_2},
    };
    for (auto& p : boardParts) {
        shape(*p[0], 2, 2, 189, 26, 1973790, 1973790, ControlLook::Shape::RoundRect);
        p[0]->look.noOutline = true;
        shape(*p[1], 5, 4, 152, 20, 3947580, 4605510);
        shape(*p[2], 159, 5, 29, 11, 3947580, kGrey);
        label(*p[3], 7, 5, 149, 10, kPGothic, 11, 8454143);
        label(*p[4], 7, 15, 149, 10, kPGothic, 11, 8454016);
        for (Control* line : {p[3], p[4]}) {
            line->look.transparent = false;
            line->setColor(3947580);
            line->setCaption(QStringLiteral("00:00 調整中"));
        }
        label(*p[5], 161, 6, 26, 11, kPGothic, 11, kRed);
        p[5]->setCaption(QStringLiteral("00:00"));
    }

    // Name plate.
    Info00.setBounds(403, 3, 180, 65);
    Info00.setColor(kWhite);
    shape(Info00_07, 1, 29, 178, 12, kBlack, kBlack);
    Info00_07.look.noOutline = true;
    shape(Info00_08, 84, 29, 12, 12, kWhite, kWhite, ControlLook::Shape::Circle);
    Info00_08.look.noOutline = true;
    shape(Info00_12, 4, 4, 22, 22, kWhite, kBlack, ControlLook::Shape::Circle);
    Info00_12.look.penWidth = 2;
    Info00_12.look.noFill = true;
    Info00_12.setHint(QStringLiteral("駅ナンバリング"));
    label(Info00_13, 9, 6, 15, 18, kHeavyGothic, 9, kBlack, ControlLook::Align::Center);
    Info00_13.look.bold = true;
    Info00_13.look.centerVertically = true;
    Info00_13.look.wordWrap = true;
    Info00_13.setHint(QStringLiteral("駅ナンバリング"));
    label(Info00_01, 30, 4, 120, 16, kHeavyGothic, 16, kBlack, ControlLook::Align::Center);
    label(Info00_02, 30, 20, 120, 8, kHeavyGothic, 8, kBlack, ControlLook::Align::Center);
    label(Info00_03, 4, 44, 84, 12, kHeavyGothic, 12, kBlack);
    label(Info00_05, 92, 44, 84, 12, kHeavyGothic, 12, kBlack, ControlLook::Align::Right);
    label(Info00_04, 16, 56, 74, 8, kHeavyGothic, 8, kBlack);
    label(Info00_06, 90, 56, 74, 8, kHeavyGothic, 8, kBlack, ControlLook::Align::Right);
    Info00_10.setBounds(4, 43, 84, 14);
    Info00_10.setHint(QStringLiteral("駅の移動"));
    Info00_11.setBounds(92, 43, 84, 14);
    Info00_11.setHint(QStringLiteral("駅の移動"));
    Info00_15.setBounds(30, 4, 120, 16);
    Info00_15.setHint(QStringLiteral("駅のダイレクト移動"));
    for (Control* button : {&Info00_10, &Info00_11, &Info00_15}) {
        button->look.transparent = true;
        button->look.handCursor = true;
    }

    // Bottom bar.
    gradient(Info, 0, 336, 986, 21, kBlue, 16744448);
    label(Label1, 6, 6, 402, 11, kPGothic, 11, kWhite);
    Label1.setCaption(product::titleAndVersion());
    struct Fade {
        Control* button;
        int left;
        int width;
        const char* caption;
        const char* hint;
    };
    const Fade fades[] = {
        {&FadeButton2, 758, 60, "MAP", "路線図表示"},      {&FadeButton1, 818, 60, "SOUND", "サウンド設定"},
        {&FadeButton5, 882, 40, "SITE", "公式サイト"},     {&FadeButton0, 922, 40, "INFO.", "ソフトウェア情報"},
        {&FadeButton4, 962, 20, "?", "ユーザーズガイド"},
    };
    for (const Fade& f : fades) {
        f.button->setBounds(f.left, 3, f.width, 15);
        f.button->setCaption(QString::fromUtf8(f.caption));
        f.button->setHint(QString::fromUtf8(f.hint));
        f.button->setColor(10485760);
        f.button->setFontColor(kWhite);
        f.button->setOutlineColor(12632256);
        f.button->look.font = QStringLiteral("Tahoma");
        f.button->look.fontPixels = 11;
        f.button->look.handCursor = true;
        f.button->look.fadeOnHover = true;
    }

    hidden(Button0, QStringLiteral("駅移動"), 864, 315, 61, 21);
    hidden(Button1, QStringLiteral("特駅処理"), 864, 315, 61, 21);
    hidden(Button2, QStringLiteral("割込処理"), 864, 315, 61, 21);
    const int voiceLefts[4] = {620, 640, 660, 680};
    Control* voices[4] = {&Voice1, &Voice2, &Voice3, &Voice4};
    for (int slot = 1; slot <= 4; ++slot)
        hidden(*voices[slot - 1], QStringLiteral("声"), voiceLefts[slot - 1], 328, 21, 21);
}
