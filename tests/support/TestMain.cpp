#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

// ctest's test discovery runs this program without the test's environment, so the platform
// is chosen here when nothing else chose one.
int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
