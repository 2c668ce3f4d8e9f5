#include "hyperlink.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>

#include "test_support.h"

namespace tickwell {
namespace {

struct TargetRow {
  const char* name;
  std::string target;
  std::optional<std::string> opened;
};

class HyperlinkTargetTest : public testing::TestWithParam<TargetRow> {};

TEST_P(HyperlinkTargetTest, DecidesWhatOpens) {
  EXPECT_EQ(hyperlinkTarget(GetParam().target), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, HyperlinkTargetTest,
    testing::Values(
        TargetRow{"WwwGetsHttp", "www.tickwell.example", "http://www.tickwell.example"},
        TargetRow{"HttpAsIs", "http://www.tickwell.example", "http://www.tickwell.example"},
        TargetRow{"HttpWithoutWww", "http://tickwell.example/x?y=1", "http://tickwell.example/x?y=1"},
        TargetRow{"HttpsAsIs", "https://tickwell.example", "https://tickwell.example"},
        TargetRow{"MailtoAsIs", "mailto:developers@tickwell.example", "mailto:developers@tickwell.example"},
        TargetRow{"UpperCaseWww", "WWW.tickwell.example", std::nullopt},
        TargetRow{"UpperCaseHttp", "HTTP://tickwell.example", std::nullopt},
        TargetRow{"UpperCaseMailto", "MAILTO:developers@tickwell.example", std::nullopt},
        TargetRow{"LeadingBlank", " www.tickwell.example", std::nullopt},
        TargetRow{"WwwWithoutDot", "wwwtickwell.example", std::nullopt},
        TargetRow{"HttpOneSlash", "http:/tickwell.example", std::nullopt},
        TargetRow{"Ftp", "ftp://tickwell.example", std::nullopt},
        TargetRow{"File", "file:///etc/passwd", std::nullopt},
        TargetRow{"Script", "javascript:alert(1)", std::nullopt},
        TargetRow{"BareHost", "tickwell.example", std::nullopt},
        TargetRow{"Empty", "", std::nullopt}),
    [](const testing::TestParamInfo<TargetRow>& info) { return info.param.name; });

TEST(PointerOverLink, EdgesCountAsInside) {
  struct Row {
    double x, y;
    bool inside;
  };
  const double w = 80, h = 16;
  const Row rows[] = {
      {0, 0, true},   {w, h, true},        {w, 0, true},         {0, h, true},     {40, 8, true},
      {-1, -1, false}, {-0.01, 8, false},  {40, -0.01, false},   {w + 0.01, 8, false},
      {40, h + 0.01, false}, {w + 1, h + 1, false},
  };
  for (const Row& r : rows)
    EXPECT_EQ(pointerOverLink(r.x, r.y, w, h), r.inside) << "at " << r.x << ", " << r.y;
}

class HyperlinkLabelTest : public testing::Test {
protected:
  void SetUp() override {
    window.resize(300, 100);
    link = new HyperlinkLabel(QStringLiteral("Homepage"), "www.tickwell.example", platform, &window);
    link->move(20, 20);
    link->adjustSize();
    window.show();
  }

  void moveTo(QPointF pos) {
    QMouseEvent move(QEvent::MouseMove, pos, link->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(link, &move);
  }

  void expectLook(bool hovered, const char* where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(link->isHovered(), hovered);
    EXPECT_EQ(link->textColor(), hovered ? QColor(0xFF, 0, 0) : QColor(0x39, 0x6B, 0xA5));
    EXPECT_EQ(link->font().underline(), hovered);
  }

  test::FakePlatform platform;
  QWidget window;
  HyperlinkLabel* link = nullptr;
};

TEST_F(HyperlinkLabelTest, LooksLikeALinkAndIsNeverFocused) {
  expectLook(false, "at start");
  EXPECT_TRUE(link->font().bold());
  EXPECT_EQ(link->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_FALSE(link->autoFillBackground());
  EXPECT_EQ(link->frameShape(), QFrame::NoFrame);
}

TEST_F(HyperlinkLabelTest, TurnsRedAndUnderlinedWhilePointerIsOver) {
  const double w = link->width(), h = link->height();
  moveTo({w / 2, h / 2});
  expectLook(true, "middle");
  moveTo({w, h});
  expectLook(true, "bottom right edge");
  moveTo({w + 1, h / 2});
  expectLook(false, "right of it");
  moveTo({0, 0});
  expectLook(true, "top left corner");
  moveTo({w / 2, -1});
  expectLook(false, "above it");
}

TEST_F(HyperlinkLabelTest, LeavingQuicklyRestoresTheNormalLook) {
  QEnterEvent enter(QPointF(3, 3), link->mapTo(&window, QPointF(3, 3)), link->mapToGlobal(QPointF(3, 3)));
  QApplication::sendEvent(link, &enter);
  expectLook(true, "entered");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  expectLook(false, "left");
}

TEST_F(HyperlinkLabelTest, ClickRestoresTheLookThenOpensTheTarget) {
  std::vector<bool> hoveredWhenOpened;
  platform.onOpen = [&](const std::string&) { hoveredWhenOpened.push_back(link->isHovered()); };
  moveTo({5, 5});
  expectLook(true, "before the click");
  QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(platform.opened, std::vector<std::string>{"http://www.tickwell.example"});
  EXPECT_EQ(hoveredWhenOpened, std::vector<bool>{false});
  expectLook(false, "after the click");
}

TEST_F(HyperlinkLabelTest, AFailedOpeningSaysSoAndShowsTheAddress) {
  // Nothing opens: a note that does not block the window names the address.
  EXPECT_EQ(link->failureNote(), nullptr);
  platform.canOpen = false;
  QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  auto* note = qobject_cast<QMessageBox*>(link->failureNote());
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->isVisible());
  EXPECT_FALSE(note->isModal());
  EXPECT_TRUE(note->text().contains(QStringLiteral("http://www.tickwell.example")));
  EXPECT_TRUE(note->textInteractionFlags() & Qt::TextSelectableByMouse);
  // A second failure replaces the note instead of piling them up.
  QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QApplication::processEvents();
  EXPECT_EQ(window.findChildren<QMessageBox*>().size(), 1);
  link->failureNote()->close();
}

TEST(LinkFailureNote, NamesWhatFailedAndTheAddress) {
  EXPECT_EQ(linkFailureNote("http://www.tickwell.example"),
            "No web browser could be started for this address:\n\nhttp://www.tickwell.example\n\n"
            "You can copy it from here.");
  EXPECT_EQ(linkFailureNote("mailto:developers@tickwell.example"),
            "No mail program could be started for this address:\n\ndevelopers@tickwell.example\n\n"
            "You can copy it from here.");
}

TEST_F(HyperlinkLabelTest, RightClickAndRefusedTargetsOpenNothing) {
  QTest::mouseClick(link, Qt::RightButton);
  link->setTarget("ftp://tickwell.example");
  QTest::mouseClick(link, Qt::LeftButton);
  EXPECT_TRUE(platform.opened.empty());
}

}  // namespace
}  // namespace tickwell
