// The Linux desktop program's real widgets under the offscreen platform: pixels grabbed from the
// board area against the neutral painting, presses, the menu, the dialog and a whole game.
#include "ai/values.h"
#include "engine/game.h"
#include "engine/random_numbers.h"
#include "tests/support/boards.h"
#include "tests/support/pixel_canvas.h"
#include "ui/qt/board_widget.h"
#include "ui/qt/main_window.h"
#include "ui/qt/settings_dialog.h"
#include "ui/resource.h"
#include "ui/settings_layout.h"
#include "ui/turn_controller.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <vector>

namespace {

// Differences between what the board area shows and a picture, as "x,y" of the first few.
std::string differences(const QImage& shown, const std::function<Rgb(int, int)>& expected) {
    std::string found;
    int count = 0;
    for (int y = 0; y < BoardPixels; ++y) {
        for (int x = 0; x < BoardPixels; ++x) {
            const QRgb pixel = shown.pixel(x, y);
            const Rgb want = expected(x, y);
            if (qRed(pixel) != want.red || qGreen(pixel) != want.green ||
                qBlue(pixel) != want.blue) {
                if (count++ < 5) {
                    found += std::to_string(x) + "," + std::to_string(y) + " ";
                }
            }
        }
    }
    return count == 0 ? "" : std::to_string(count) + " pixels differ: " + found;
}

// The width a button leaves for its label: beside the check mark, or inside the push button.
int labelSpace(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QStyle::SubElement contents =
        qobject_cast<const QCheckBox*>(&button) != nullptr      ? QStyle::SE_CheckBoxContents
        : qobject_cast<const QRadioButton*>(&button) != nullptr ? QStyle::SE_RadioButtonContents
                                                                : QStyle::SE_PushButtonContents;
    return button.style()->subElementRect(contents, &option, &button).width();
}

class DesktopGame : public testing::Test {
protected:
    void SetUp() override {
        startDefaultGame(game);
        window.centreOnScreen();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void press(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&window.board(), button, {},
                          QPoint(CellPixels * (x - 2) + 16, CellPixels * (y - 2) + 16));
    }

    QImage shown() { return window.board().grab().toImage(); }

    // Empty when the board area shows the neutral painting of the game as it stands, with the
    // keyboard's cursor where one is given.
    std::string differencesFromBoard(std::optional<BoardSquare> cursor = std::nullopt) {
        PixelCanvas canvas;
        paintBoard(canvas);
        if (cursor) {
            drawCursor(canvas, *cursor);
        }
        return differences(shown(), [&](int x, int y) { return canvas.at(x, y); });
    }

    void key(Qt::Key key, bool autoRepeat = false) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(&window.board(), &press);
    }

    std::string description() { return window.board().accessibleDescription().toStdString(); }

    std::string differencesFromPicture(const PictureFile& file) {
        const BitmapPicture picture = readBitmap(pictureFile(file.file));
        return differences(shown(), [&](int x, int y) { return picture.at(x, y); });
    }

    QAction* menuItem(const char* text) {
        for (QAction* menu : window.menuBar()->actions()) {
            for (QAction* item : menu->menu()->actions()) {
                if (item->text() == QString::fromUtf8(text)) {
                    return item;
                }
            }
        }
        ADD_FAILURE() << "no menu item " << text;
        return nullptr;
    }

    // Opens the settings dialog from the menu and hands it to `answer`, which must end it.
    void withSettingsDialog(const std::function<void(SettingsDialog&)>& answer) {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<SettingsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answered = true;
            answer(*dialog);
            if (dialog->isVisible()) {
                dialog->reject();
                ADD_FAILURE() << "the dialog was left open";
            }
        });
        menuItem("設定")->trigger();
        EXPECT_TRUE(answered);
    }

    MainWindow window;
};

TEST_F(DesktopGame, OpensCentredAtAFixedSizeShowingTheStartPositionPixelForPixel) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ヨルナミ"));
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.board().geometry(),
              QRect(0, window.menuBar()->height(), BoardPixels, BoardPixels));
    EXPECT_EQ(window.size(), QSize(BoardPixels, window.menuBar()->height() + BoardPixels));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(differencesFromBoard(), "");
    // Centred on the screen it is on, also on the second screen, which does not start at the
    // origin.
    for (QScreen* screen : QGuiApplication::screens()) {
        window.setScreen(screen);
        window.centreOnScreen();
        const QRect desktop = screen->geometry();
        const QSize outer = window.frameGeometry().size();
        EXPECT_EQ(window.frameGeometry().topLeft(),
                  desktop.topLeft() + QPoint((desktop.width() - outer.width()) / 2,
                                             (desktop.height() - outer.height()) / 2))
            << screen->name().toStdString();
    }
    EXPECT_EQ(QGuiApplication::screens().size(), 2);
}

TEST_F(DesktopGame, ARedMoveTakesTwoPressesAndTheComputerRepliesOnTheNextPress) {
    press(3, 7);
    EXPECT_EQ(game.getSquare(3, 7), RedManSelected);
    EXPECT_EQ(differencesFromBoard(), "");
    press(4, 6);
    EXPECT_EQ(game.getSquare(4, 6), RedMan);
    EXPECT_EQ(game.getSideToMove(), Blue);
    const BoardSnapshot before = snapshot(game);
    EXPECT_EQ(differencesFromBoard(), "");

    press(9, 9); // anywhere: the press only wakes the computer
    EXPECT_EQ(game.getSideToMove(), Red);
    const BoardSnapshot after = snapshot(game);
    int changed = 0;
    for (std::size_t cell = 0; cell < before.size(); ++cell) {
        changed += before[cell] != after[cell];
    }
    EXPECT_EQ(changed, 2); // one blue man stepped
    EXPECT_EQ(differencesFromBoard(), "");
}

TEST_F(DesktopGame, ARightPressCancelsASelection) {
    press(5, 7);
    press(5, 7, Qt::RightButton);
    EXPECT_EQ(game.getSquare(5, 7), RedMan);
    EXPECT_EQ(selectionState, 0);
    EXPECT_EQ(differencesFromBoard(), "");
    press(5, 7); // and the piece can be selected again
    EXPECT_EQ(game.getSquare(5, 7), RedManSelected);
}

// A turn played from the keyboard alone, heard through the board's accessible description; the
// cursor's frame is drawn only once a key is used, and a click takes it away.
TEST_F(DesktopGame, AGameFromTheKeyboardWithTheCursorSeenOnlyAfterAKey) {
    EXPECT_EQ(window.board().accessibleName(), QStringLiteral("盤"));
    EXPECT_TRUE(window.board().hasFocus());
    key(Qt::Key_Right); // shows the cursor on the first red man that can move
    EXPECT_EQ(differencesFromBoard(BoardSquare{3, 7}), "");
    key(Qt::Key_Return);
    EXPECT_EQ(game.getSquare(3, 7), RedManSelected);
    key(Qt::Key_Up);
    key(Qt::Key_Right);
    key(Qt::Key_Enter);
    EXPECT_EQ(game.getSquare(4, 6), RedMan);
    EXPECT_NE(description().find("The red man moved from b3 to c4."), std::string::npos);
    EXPECT_NE(description().find("The computer's turn"), std::string::npos);
    key(Qt::Key_Return, true); // a held key's repeat: the computer does not move
    EXPECT_EQ(game.getSideToMove(), Blue);
    key(Qt::Key_Space);
    EXPECT_EQ(game.getSideToMove(), Red);
    EXPECT_EQ(differencesFromBoard(BoardSquare{4, 6}), "");

    key(Qt::Key_Return);
    EXPECT_EQ(game.getSquare(4, 6), RedManSelected);
    key(Qt::Key_Escape);
    EXPECT_EQ(game.getSquare(4, 6), RedMan);
    key(Qt::Key_Up); // a square never played on
    key(Qt::Key_Return);
    EXPECT_EQ(description(), "そこには指せません。 That press plays nothing.");
    EXPECT_EQ(differencesFromBoard(BoardSquare{4, 5}), "");
    press(4, 5);
    EXPECT_EQ(differencesFromBoard(), "");
}

TEST_F(DesktopGame, NewGameRepaintsTheStartAndQuitEndsTheProgramWithZero) {
    press(3, 7);
    press(4, 6);
    menuItem("始めから")->trigger();
    EXPECT_EQ(game.getSquare(3, 7), RedMan);
    EXPECT_EQ(game.getSideToMove(), Red);
    EXPECT_EQ(differencesFromBoard(), "");

    QTimer::singleShot(0, [this] { menuItem("終了")->trigger(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(DesktopGame, TheDialogOpensOverTheBoardWithTheSettingsAndEveryLabelInFull) {
    withSettingsDialog([&](SettingsDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("設定"));
        EXPECT_EQ(dialog.pos(), window.board().mapToGlobal(QPoint(0, 0)));
        std::set<int> checked;
        for (const DialogControl& control : settingsControls) {
            if (control.id == NoControlId) {
                continue;
            }
            QAbstractButton* button = dialog.control(control.id);
            EXPECT_EQ(button->text(), QString::fromUtf8(control.text));
            EXPECT_GE(labelSpace(*button), button->fontMetrics().horizontalAdvance(button->text()))
                << control.text;
            if (button->isChecked()) {
                checked.insert(control.id);
            }
        }
        EXPECT_EQ(checked, (std::set<int>{IDC_STRENGTH_5, IDC_MEN_12, IDC_RED_MOVES_FIRST}));

        // From the first, Tab visits the tab stops in template order and comes round again.
        std::vector<int> tabStops;
        for (const DialogControl& control : settingsControls) {
            if (control.tabStop) {
                tabStops.push_back(control.id);
            }
        }
        tabStops.push_back(tabStops.front());
        std::vector<int> visited;
        for (std::size_t i = 0; i < tabStops.size(); ++i) {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
            for (const int id : tabStops) {
                if (dialog.control(id) == dialog.focusWidget()) {
                    visited.push_back(id);
                    break;
                }
            }
        }
        EXPECT_EQ(visited, tabStops);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
}

TEST_F(DesktopGame, OkStoresTheSettingsAndStartsANewGameCancelChangesNothing) {
    press(3, 7);
    press(4, 6);
    const BoardSnapshot inProgress = snapshot(game);
    const std::function<void(SettingsDialog&)> ends[] = {
        [](SettingsDialog& dialog) { dialog.control(CancelButtonId)->click(); },
        [](SettingsDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [](SettingsDialog& dialog) { dialog.close(); },
    };
    for (const auto& end : ends) {
        withSettingsDialog([&](SettingsDialog& dialog) {
            dialog.control(IDC_MEN_4)->click();
            dialog.control(IDC_VS_HUMAN)->click();
            end(dialog);
        });
        EXPECT_EQ(game.getPieceSetting(), 12);
        EXPECT_EQ(game.getVsHuman(), 0);
        EXPECT_EQ(snapshot(game), inProgress);
        EXPECT_EQ(differencesFromBoard(), "");
    }

    withSettingsDialog([](SettingsDialog& dialog) {
        dialog.control(IDC_MEN_4)->click();
        dialog.control(IDC_MEN_4)->click(); // a checked radio button stays checked
        dialog.control(IDC_STRENGTH_11)->click();
        dialog.control(IDC_RED_MOVES_FIRST)->click();
        EXPECT_FALSE(dialog.control(IDC_MEN_12)->isChecked());
        EXPECT_FALSE(dialog.control(IDC_STRENGTH_5)->isChecked());
        QTest::keyClick(&dialog, Qt::Key_Return); // OK is the default button
    });
    EXPECT_EQ(game.getPieceSetting(), 4);
    EXPECT_EQ(game.getStrength(), 11);
    EXPECT_EQ(game.getRedMovesFirst(), 0);
    EXPECT_EQ(game.getSideToMove(), Blue);
    EXPECT_EQ(game.getCount(Red), 4);
    EXPECT_EQ(differencesFromBoard(), "");
}

// Two games of four men a side played to their end through presses, red's moves chosen here:
// red searching against the random computer wins, red at random against a searching computer
// loses. Each result picture stays until a new game.
TEST_F(DesktopGame, GamesToTheirEndShowTheWinAndTheLosePictureUntilANewGame) {
    struct Match {
        int blueStrength;
        int redDepth; // 0: at random
        const PictureFile& result;
    };
    const Match matches[] = {{0, 4, winPictureFile}, {4, 0, losePictureFile}};
    for (const Match& match : matches) {
        game.setPieceSetting(4);
        game.setStrength(match.blueStrength);
        menuItem("始めから")->trigger();
        seedRandom(7); // a game that repeats
        for (int turn = 0; turn < 400 && gameActive == 1; ++turn) {
            const bool redCanMove = game.sideHasCapture(Red) || !game.sideHasNoStep(Red);
            if (game.getSideToMove() == Red && redCanMove) {
                Move choice{};
                if (match.redDepth > 0) {
                    game.search(Red, match.redDepth, BlueLost, RedLost, choice);
                } else {
                    game.randomMove(Red, choice);
                }
                press(choice.fromX, choice.fromY);
                press(choice.toX, choice.toY);
            } else {
                press(2, 2); // wakes the computer, or finds the game decided
            }
        }
        ASSERT_EQ(gameActive, 0) << "the game did not end in 400 turns";
        EXPECT_EQ(differencesFromPicture(match.result), "") << match.result.file;
        press(5, 5);
        EXPECT_EQ(differencesFromPicture(match.result), "") << match.result.file;

        menuItem("始めから")->trigger();
        EXPECT_EQ(differencesFromBoard(), "");
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" YORUNAMI_SCREENS);
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
