// Attach and detach against real shared memory and presence locks, with blocks made by
// the simulation stand-in's own code under a per-test name prefix.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include "tests/support/temp_dir.h"
#include "tools/vorixsim/sim_blocks.h"
#include "viewer/presence.h"
#include "viewer/shmem.h"

namespace {

struct ShmemTest : ::testing::Test {
  TempDir dir;
  std::vector<SimBlock> blocks;
  int lock = -1;
  ShmemState state;
  int64_t now = 1000;

  void SetUp() override {
    static int serial = 0;
    std::string prefix = "vorixtest" + std::to_string(getpid()) + "_" + std::to_string(serial++) + "_";
    setenv("VORIX_SHM_PREFIX", prefix.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", dir.Path.c_str(), 1);
  }
  void TearDown() override {
    SHMEM_DetachAll(&state);
    StopSimulation();
    unsetenv("VORIX_SHM_PREFIX");
  }
  void AddDisplay(int x, int y, int bpp) {
    SimDisplaySpec spec;
    spec.xSize = x, spec.ySize = y, spec.bpp = bpp;
    SimBlock b;
    ASSERT_TRUE(SIMBLOCK_Create(int(blocks.size()), spec, &b));
    blocks.push_back(b);
  }
  void StartSimulation() {
    ASSERT_TRUE(SIMBLOCK_CreateGlobal(1));
    lock = PRESENCE_Hold(PRESENCE_DEVICE_CLASS);
    ASSERT_GE(lock, 0);
  }
  void StopSimulation() {
    PRESENCE_Release(lock, PRESENCE_DEVICE_CLASS);
    lock = -1;
    for (SimBlock& b : blocks) SIMBLOCK_Remove(&b);
    blocks.clear();
    SIMBLOCK_RemoveGlobal();
  }
  PollEvents Poll() {
    now += 20;
    return SHMEM_Poll(&state, PRESENCE_SimulationRunning(), now);
  }
  // Polls until block 0 has settled.
  uint32_t PollSettled() {
    uint32_t attached = 0;
    for (int i = 0; i < 12; ++i) attached |= Poll().newlyAttached;
    return attached;
  }
};

TEST_F(ShmemTest, NoSimulationOpensNothing) {
  AddDisplay(32, 16, 32);  // blocks without a presence lock
  EXPECT_FALSE(PRESENCE_SimulationRunning());
  EXPECT_EQ(PollSettled(), 0u);
  EXPECT_EQ(state.displays[0].fd, -1);
  EXPECT_EQ(state.displayCount, 0);
  EXPECT_EQ(SHMEM_Field(&state, 0, BLOCK_XSIZE), 0);
}

TEST_F(ShmemTest, TwoLayersAttachAfterBlockZeroSettles) {
  AddDisplay(32, 16, 32);
  AddDisplay(8, 4, 8);
  StartSimulation();
  EXPECT_EQ(Poll().newlyAttached, 0u);  // block 0 was just opened
  EXPECT_EQ(PollSettled(), 3u);
  EXPECT_EQ(state.displayCount, 2);
  EXPECT_EQ(state.alphaFlag, 1);
  EXPECT_TRUE(SHMEM_SignatureGood(&state));
  EXPECT_EQ(SHMEM_Field(&state, 1, BLOCK_XSIZE), 8);
  EXPECT_EQ(SHMEM_Field(&state, -1, BLOCK_XSIZE), 32);  // negative index: display 0
  // Pixels: 4-byte words at 32 bpp, indices at 8 bpp; colours converted to 0x00BBGGRR.
  SIMBLOCK_SetPixel(&blocks[0], 31, 15, 0x80123456);
  SIMBLOCK_SetPixel(&blocks[1], 7, 3, 200);
  SIMBLOCK_SetColor(&blocks[1], 200, 0x102030);
  EXPECT_EQ(SHMEM_Pixel(&state, 0, 31, 15), 0x80123456u);
  EXPECT_EQ(SHMEM_Pixel(&state, 0, 32, 0), 0u);
  EXPECT_EQ(SHMEM_Pixel(&state, 1, 7, 3), 200u);
  EXPECT_EQ(SHMEM_ColorBGR(&state, 1, 200), 0x302010u);
  // The pointer fields reach the simulation's mapping.
  SHMEM_WritePointer(&state, -1, 12, 7, 1);
  EXPECT_EQ(SIMBLOCK_Get(&blocks[0], BLOCK_MOUSEX), 12);
  EXPECT_EQ(SIMBLOCK_Get(&blocks[0], BLOCK_MOUSEY), 7);
  EXPECT_EQ(SIMBLOCK_Get(&blocks[0], BLOCK_MOUSEKEYS), 1);
}

TEST_F(ShmemTest, ZeroWidthStopsTheCountAndBadBlocksStayDetached) {
  AddDisplay(32, 16, 32);
  AddDisplay(16, 16, 32);
  AddDisplay(16, 16, 32);
  AddDisplay(16, 16, 32);
  SIMBLOCK_Set(&blocks[1], BLOCK_XSIZE, 0);
  // Block 2 declares more rows than its object holds; block 3 a bit depth of 0.
  SIMBLOCK_Set(&blocks[2], BLOCK_VYSIZE, 4000);
  SIMBLOCK_Set(&blocks[3], BLOCK_BPP, 0);
  StartSimulation();
  PollSettled();
  EXPECT_EQ(state.displayCount, 1);
  EXPECT_TRUE(SHMEM_Display(&state, 1) != nullptr);
  EXPECT_EQ(SHMEM_Display(&state, 2), nullptr);
  EXPECT_EQ(SHMEM_Display(&state, 3), nullptr);
  EXPECT_TRUE(state.displays[2].failed);
  // Repairing a refused block does not attach it while this simulation runs.
  SIMBLOCK_Set(&blocks[3], BLOCK_BPP, 32);
  PollSettled();
  EXPECT_EQ(SHMEM_Display(&state, 3), nullptr);
}

TEST_F(ShmemTest, BadSignatureAttachesNothing) {
  AddDisplay(32, 16, 32);
  AddDisplay(32, 16, 32);
  SIMBLOCK_Set(&blocks[0], BLOCK_SIGNATURE, 'E');
  StartSimulation();
  EXPECT_EQ(PollSettled(), 0u);
  EXPECT_EQ(state.displayCount, 0);
  EXPECT_FALSE(SHMEM_SignatureGood(&state));
}

TEST_F(ShmemTest, EndAndRestartDetachAndAttachAgain) {
  AddDisplay(32, 16, 32);
  StartSimulation();
  PollSettled();
  ASSERT_EQ(state.displayCount, 1);
  StopSimulation();
  EXPECT_TRUE(Poll().detached);
  EXPECT_EQ(state.displayCount, 0);
  EXPECT_EQ(SHMEM_Field(&state, 0, BLOCK_XSIZE), 0);
  AddDisplay(64, 8, 16);
  StartSimulation();
  PollSettled();
  EXPECT_EQ(state.displayCount, 1);
  EXPECT_EQ(SHMEM_Field(&state, 0, BLOCK_XSIZE), 64);
}

TEST_F(ShmemTest, CrashedSimulationIsGoneAtTheNextPoll) {
  AddDisplay(32, 16, 32);
  ASSERT_TRUE(SIMBLOCK_CreateGlobal(0));
  pid_t child = fork();
  if (child == 0) {
    if (PRESENCE_Hold(PRESENCE_MAINFRAME_CLASS) < 0) _exit(1);
    pause();
    _exit(0);
  }
  for (int i = 0; i < 200 && !PRESENCE_SimulationRunning(); ++i) usleep(5000);
  PollSettled();
  ASSERT_EQ(state.displayCount, 1);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  // The lock file and the blocks remain, but nobody holds the lock.
  EXPECT_TRUE(Poll().detached);
  EXPECT_EQ(state.displayCount, 0);
  unlink(PRESENCE_LockFile(PRESENCE_MAINFRAME_CLASS).c_str());
}

TEST_F(ShmemTest, ProbeFollowsEndsRestartsAndCrashes) {
  PresenceProbe probe;
  EXPECT_FALSE(PRESENCE_Probe(&probe));
  int fd = PRESENCE_Hold(PRESENCE_DEVICE_CLASS);
  ASSERT_GE(fd, 0);
  EXPECT_TRUE(PRESENCE_Probe(&probe));
  EXPECT_TRUE(PRESENCE_Probe(&probe));  // through the kept descriptor
  PRESENCE_Release(fd, PRESENCE_DEVICE_CLASS);
  EXPECT_FALSE(PRESENCE_Probe(&probe));
  // A new simulation makes a new lock file; the probe finds it by name again.
  fd = PRESENCE_Hold(PRESENCE_DEVICE_CLASS);
  EXPECT_TRUE(PRESENCE_Probe(&probe));
  // A lock file left behind without a holder reads as no simulation.
  close(fd);
  EXPECT_FALSE(PRESENCE_Probe(&probe));
  EXPECT_FALSE(PRESENCE_SimulationRunning());
  PRESENCE_CloseProbe(&probe);
  unlink(PRESENCE_LockFile(PRESENCE_DEVICE_CLASS).c_str());
}

TEST_F(ShmemTest, ShrunkenObjectIsDropped) {
  AddDisplay(64, 64, 32);
  StartSimulation();
  PollSettled();
  ASSERT_TRUE(SHMEM_Display(&state, 0) != nullptr);
  int fd = shm_open(SHMEM_ObjectName(BLOCK_Name(0)).c_str(), O_RDWR, 0);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, 8192), 0);
  close(fd);
  Poll();
  EXPECT_EQ(SHMEM_Display(&state, 0), nullptr);
}

}  // namespace
