// The image-list animation on a form: frames stepped by its light timer and drawn centred
// into its buffer, forward, backward, looping and swinging, with its events; the list's
// changes and its destruction.
#include "SkinControlsTestSupport.h"
#include "host/ImageList.h"

using namespace qv;
using qvtest::PumpIdle;
using qvtest::PumpTicks;
using qvtest::PumpUntil;
using qvtest::Rgb;

namespace {

const TColor kFrames[] = {clRed, clLime, clYellow, clFuchsia, clAqua};

class SkinAnimation : public qvtest::SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Images = new TCustomImageList(Form.get());
    Images->SetSize(20, 16);
    // A strip of five solid 20 × 16 frames.
    TBitmap Strip(100, 16, pf24bit);
    for (int I = 0; I < 5; ++I) {
      Strip.Canvas().Brush().SetColor(kFrames[I]);
      Strip.Canvas().FillRect(Rect(I * 20, 0, I * 20 + 20, 16));
    }
    Images->Add(&Strip, nullptr);
    Anim = Add<TQvSkinAnimation>(Form.get(), 10, 10, 60, 40);
    Anim->SetAutoSize(false);
    Anim->OnProcess = [this](TObject* Sender) {
      EXPECT_EQ(Sender, Anim);
      Processed.push_back(Anim->CurrentFrame());
    };
    Anim->OnFinish = [this](TObject*) { ++Finished; };
  }
  // The frame the buffer shows at the centre (−1: none of the frames).
  int Shown() {
    uint32_t C = Rgb(*Anim->Buffer(), 30, 20);
    for (int I = 0; I < 5; ++I)
      if (C == Rgb(kFrames[I])) return I;
    return -1;
  }
  // Runs the animation until it finishes.
  void RunToTheEnd() {
    Processed.clear();
    Finished = 0;
    Anim->Start();
    ASSERT_TRUE(PumpUntil([&] { return Finished > 0; }, 5000));
    PumpIdle();
  }
  TCustomImageList* Images = nullptr;
  TQvSkinAnimation* Anim = nullptr;
  std::vector<int> Processed;
  int Finished = 0;
};

TEST_F(SkinAnimation, TakesTheListsSizeAndDrawsTheFrameCentred) {
  auto* A = new TQvSkinAnimation(Form.get());
  EXPECT_EQ(A->BoundsRect(), Rect(0, 0, 105, 105));
  EXPECT_EQ(A->Delay(), 68);
  EXPECT_TRUE(A->Loop());
  EXPECT_FALSE(A->Reverse());
  EXPECT_TRUE(A->AutoSize());
  A->SetImages(Images);
  EXPECT_EQ(A->BoundsRect(), Rect(0, 0, 20, 16));
  delete A;

  Anim->SetImages(Images);
  EXPECT_EQ(Anim->BoundsRect(), Rect(10, 10, 70, 50));
  ShowForm();
  // The frame lies at ((60 − 20) div 2, (40 − 16) div 2) = (20, 12); the form around it.
  EXPECT_EQ(Shown(), 0);
  EXPECT_EQ(Rgb(*Anim->Buffer(), 20, 12), Rgb(clRed));
  EXPECT_EQ(Rgb(*Anim->Buffer(), 39, 27), Rgb(clRed));
  EXPECT_EQ(Rgb(*Anim->Buffer(), 19, 12), Rgb(clBlue));
  EXPECT_EQ(Rgb(*Anim->Buffer(), 40, 27), Rgb(clBlue));
  // CurrentFrame is drawn limited to the list.
  for (int Frame : {3, 9, -4}) {
    Anim->SetCurrentFrame(Frame);
    Anim->Invalidate();
    PumpIdle();
    EXPECT_EQ(Shown(), std::clamp(Frame, 0, 4)) << Frame;
  }
}

TEST_F(SkinAnimation, PlaysForwardBackwardAndSwings) {
  Anim->SetImages(Images);
  Anim->SetDelay(10);
  Anim->SetLoop(false);
  ShowForm();
  // Forward once: OnProcess for frames 1 .. 4, then the finish on the last frame.
  RunToTheEnd();
  EXPECT_EQ(Processed, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Finished, 1);
  EXPECT_FALSE(Anim->Animating());
  EXPECT_EQ(Shown(), 4);
  // Backward once: from one past the last frame down to −1 (drawn as frame 0).
  Anim->SetReverse(true);
  RunToTheEnd();
  EXPECT_EQ(Processed, (std::vector<int>{4, 3, 2, 1, 0}));
  EXPECT_EQ(Anim->CurrentFrame(), -1);
  EXPECT_EQ(Shown(), 0);

  // Swinging: up to the last frame and back down, without events, until stopped.
  Anim->SetLoop(true);
  Processed.clear();
  std::vector<int> Seen;
  Anim->OnBackgroundChanged = [&](TObject*, TBitmap32*) {
    if (Seen.empty() || Seen.back() != Anim->CurrentFrame()) Seen.push_back(Anim->CurrentFrame());
  };
  Anim->Start();
  ASSERT_TRUE(PumpUntil([&] { return Seen.size() >= 9; }, 5000));
  const std::vector<int> Swing{0, 1, 2, 3, 4, 3, 2, 1, 0};
  EXPECT_EQ(std::vector<int>(Seen.begin(), Seen.begin() + 9), Swing);
  EXPECT_TRUE(Processed.empty());
  Anim->Stop();
  PumpIdle();
  EXPECT_FALSE(Anim->Animating());
  EXPECT_EQ(Anim->CurrentFrame(), 0);
  EXPECT_EQ(Shown(), 0);

  // Forward in a loop, paused where it is.
  Anim->SetReverse(false);
  Anim->Start();
  ASSERT_TRUE(PumpUntil([&] { return Processed.size() >= 6; }, 5000));
  EXPECT_EQ(std::vector<int>(Processed.begin(), Processed.begin() + 6),
            (std::vector<int>{1, 2, 3, 4, 1, 2}));
  Anim->Pause();
  int Frame = Anim->CurrentFrame();
  PumpTicks(Anim->Delay(), 3);  // steps it would have taken
  EXPECT_EQ(Anim->CurrentFrame(), Frame);
  EXPECT_EQ(Finished, 1);
}

TEST_F(SkinAnimation, FollowsTheListsChangesAndItsEnd) {
  Anim->SetImages(Images);
  ShowForm();
  // A change of the list repaints at once.
  Anim->SetCurrentFrame(5);
  TBitmap Extra(20, 16, pf24bit);
  Extra.Canvas().Brush().SetColor(clWhite);
  Extra.Canvas().FillRect(Rect(0, 0, 20, 16));
  Images->Add(&Extra, nullptr);
  EXPECT_TRUE(Anim->BufferValid());
  EXPECT_EQ(Rgb(*Anim->Buffer(), 30, 20), 0xFFFFFFu);
  // Another list's changes are none of its business; the previous list is let go.
  auto* Other = new TCustomImageList(Form.get());
  Anim->SetImages(Other);
  Anim->SetImages(Images);
  PumpIdle();
  Other->SetSize(8, 8);
  EXPECT_TRUE(Anim->BufferValid());
  Anim->SetImages(Other);
  PumpIdle();
  Images->Clear();
  EXPECT_TRUE(Anim->BufferValid());

  // A freed list is dropped; the running timer then steps nothing.
  Anim->SetImages(Images);
  Anim->SetDelay(10);
  Anim->Start();
  PumpTicks(Anim->Delay(), 3);
  delete Images;
  Images = nullptr;
  EXPECT_EQ(Anim->Images(), nullptr);
  PumpTicks(Anim->Delay(), 3);
  EXPECT_EQ(Rgb(*Anim->Buffer(), 30, 20), Rgb(clBlue));
  Anim->Stop();
}

}  // namespace
