// Reading ahead: outcomes come back per key in job order, the reading thread itself is given
// none, and a loader that takes what was read ahead reports it as if it had read it itself.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "assets/obj_model.h"
#include "assets/targa_image.h"
#include "platform/read_ahead.h"
#include "unit/assets_test_files.h"

namespace {

std::shared_ptr<void> Number(int value) {
    return std::make_shared<int>(value);
}

TEST(ReadAheadTest, LoadersTakeWhatWasReadAheadAndSayTheSame) {
    assets_test::ScratchFolder folder;
    assets_test::TargaHeader header;
    header.width = 2, header.height = 1;
    const std::string picture = folder.Write("p.tga", TargaBytes(header, {1, 2, 3, 4, 5, 6}));
    const std::string missing = folder.Path() + "/missing.tga";
    folder.WriteText("m.mtl", "newmtl a\nKa 0 0 0\nKd 1 0 0\nKs 0 0 0\n");
    // Ends inside a line: a warning, and the model still loads.
    folder.WriteText("m.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\nusemtl a\n"
                              "f 1/1/1 2/1/1 3/1/1\n# no newline");
    const std::string model = folder.Path() + "/m";

    std::atomic<bool> threadGivenNothing{false};
    std::vector<ReadAheadJob> jobs;
    jobs.push_back({"slow", [] {
                        std::this_thread::sleep_for(std::chrono::milliseconds(50));
                        return Number(1);
                    }});
    jobs.push_back({"own", [&] {
                        threadGivenNothing = TakeReadAhead("slow") == nullptr;
                        return Number(2);
                    }});
    jobs.push_back({"slow", [] { return Number(3); }});
    jobs.push_back(CTargaImage::ReadPictureAhead(picture));
    jobs.push_back(CTargaImage::ReadPictureAhead(missing));
    jobs.push_back(obj3dmodel::ReadModelAhead(model));
    StartReadingAhead(std::move(jobs));

    EXPECT_EQ(*TakeReadAheadAs<int>("own"), 2);  // waits past the slow job before it
    EXPECT_TRUE(threadGivenNothing);
    EXPECT_EQ(*TakeReadAheadAs<int>("slow"), 1);
    EXPECT_EQ(*TakeReadAheadAs<int>("slow"), 3);
    EXPECT_EQ(TakeReadAhead("slow"), nullptr);
    EXPECT_EQ(TakeReadAhead("never asked for"), nullptr);

    // The first load of each takes the read-ahead outcome, the second reads the file itself.
    for (const std::string& path : {picture, missing}) {
        CTargaImage ahead, direct;
        EXPECT_EQ(ahead.LoadFile(path.c_str()), direct.LoadFile(path.c_str())) << path;
        EXPECT_EQ(ahead.LastError(), direct.LastError());
        ASSERT_EQ(ahead.ImageSize(), direct.ImageSize());
        EXPECT_TRUE(ahead.ImageSize() == 0 ||
                    std::equal(ahead.Pixels(), ahead.Pixels() + ahead.ImageSize(), direct.Pixels()));
    }
    std::string printed[2];
    obj3dmodel loaded[2];
    for (int i = 0; i < 2; ++i) {
        testing::internal::CaptureStderr();
        loaded[i].LoadObj(model.c_str());
        printed[i] = testing::internal::GetCapturedStderr();
    }
    EXPECT_NE(printed[0].find("cut short"), std::string::npos) << printed[0];
    EXPECT_EQ(printed[0], printed[1]);
    EXPECT_EQ(loaded[0].faces.size(), 1u);
    EXPECT_EQ(loaded[0].positions.size(), loaded[1].positions.size());
    EXPECT_EQ(loaded[0].diffuse.size(), loaded[1].diffuse.size());
}

}  // namespace
