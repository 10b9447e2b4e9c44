// JPEG decoder against Debian's djpeg (accurate integer IDCT, no fancy upsampling):
// every file the decoder accepts must give exactly djpeg's pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include <sys/wait.h>

#include "bitmap/formats/jpeg/jpeg.h"
#include "bitmap/formats/jpeg/jpeg_internal.h"
#include "bitmap/formats/reader_test_util.h"
#include "hostile/hostile_files.h"

namespace {

struct Pnm {
  int Width = 0, Height = 0, Channels = 0;
  std::vector<uint8_t> Pixels;
};

bool parse_pnm(const std::vector<uint8_t>& f, Pnm* out) {
  if (f.size() < 3 || f[0] != 'P' || (f[1] != '5' && f[1] != '6')) return false;
  out->Channels = f[1] == '6' ? 3 : 1;
  size_t p = 2;
  int values[3];
  for (int i = 0; i < 3; ++i) {
    while (p < f.size() && (f[p] == ' ' || f[p] == '\n' || f[p] == '\r' || f[p] == '\t')) ++p;
    int v = 0;
    while (p < f.size() && f[p] >= '0' && f[p] <= '9') v = v * 10 + (f[p++] - '0');
    values[i] = v;
  }
  ++p;
  out->Width = values[0];
  out->Height = values[1];
  const size_t n = size_t(out->Width) * out->Height * out->Channels;
  if (values[2] != 255 || f.size() - p < n) return false;
  out->Pixels.assign(f.begin() + p, f.begin() + p + n);
  return true;
}

std::string shell_quote(const std::string& s) { return "'" + s + "'"; }

bool djpeg(const std::string& path, Pnm* out) {
  int status;
  auto ppm = RunCommand("djpeg -dct int -nosmooth -pnm " + shell_quote(path) + " 2>/dev/null", &status);
  // Exit status 2 means warnings about damaged data; the image is still written.
  return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) != 1 && parse_pnm(ppm, out);
}

// Decodes with our decoder and compares with djpeg; returns the number of differing pixels.
void expect_same_as_djpeg(const std::string& path) {
  SCOPED_TRACE(path);
  auto f = ReadBytes(path);
  ASSERT_FALSE(f.empty());
  ImageDocument* doc = nullptr;
  ASSERT_EQ(JPEG_DecodeMemory(f.data(), f.size(), &doc), JPEG_OK);
  ASSERT_NE(doc, nullptr);
  Pnm ref;
  ASSERT_TRUE(djpeg(path, &ref));
  ASSERT_EQ(doc->XSize, ref.Width);
  ASSERT_EQ(doc->YSize, ref.Height);
  EXPECT_EQ(doc->NumColors, 0);
  int diff = 0;
  for (int y = 0; y < ref.Height; ++y)
    for (int x = 0; x < ref.Width; ++x) {
      const uint8_t* r = &ref.Pixels[(size_t(y) * ref.Width + x) * ref.Channels];
      const uint32_t want = ref.Channels == 3 ? (r[0] | (r[1] << 8) | (r[2] << 16)) : (r[0] * 0x010101u);
      if (IMAGE_GetColor(doc, x, y) != want && diff++ < 3)
        ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << IMAGE_GetColor(doc, x, y) << " want " << want;
    }
  EXPECT_EQ(diff, 0);
  IMAGE_Free(doc);
}

int decode_status(const std::string& path) {
  auto f = ReadBytes(path);
  ImageDocument* doc = nullptr;
  const int status = JPEG_DecodeMemory(f.data(), f.size(), &doc);
  EXPECT_EQ(doc == nullptr, status != JPEG_OK) << path;
  IMAGE_Free(doc);
  return status;
}

// A photo-like test picture as PPM: smooth gradients, edges and noise.
std::string make_ppm(const std::string& name, int w, int h) {
  std::string head = "P6\n" + std::to_string(w) + " " + std::to_string(h) + "\n255\n";
  std::vector<uint8_t> f(head.begin(), head.end());
  uint32_t seed = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      seed = seed * 1103515245 + 12345;
      const int noise = (seed >> 16) % 24;
      const bool box = (x / 13 + y / 11) % 3 == 0;
      f.push_back(uint8_t((x * 255 / w + noise) & 255));
      f.push_back(uint8_t(box ? 250 : (y * 255 / h) ^ noise));
      f.push_back(uint8_t(((x + y) * 2 + noise * 3) & 255));
    }
  return WriteTemp(name, f);
}

std::string run_tool(const std::string& cmd, const std::string& outName) {
  const std::string out = std::string(VORIX_TEST_TMP_DIR) + "/" + outName;
  int status;
  RunCommand(cmd + " > " + shell_quote(out) + " 2>/dev/null", &status);
  EXPECT_EQ(status, 0) << cmd;
  return out;
}

const char* kCorpusAccepted[] = {
    "go/video-001.jpeg", "go/video-001.progressive.jpeg", "go/video-001.q50.444.jpeg",
    "go/video-001.q50.444.progressive.jpeg", "go/video-001.q50.422.jpeg", "go/video-001.q50.422.progressive.jpeg",
    "go/video-001.q50.440.jpeg", "go/video-001.q50.440.progressive.jpeg", "go/video-001.q50.420.jpeg",
    "go/video-001.q50.420.progressive.jpeg", "go/video-001.separate.dc.progression.jpeg",
    "go/video-001.separate.dc.progression.progressive.jpeg", "go/video-005.gray.jpeg", "go/video-005.gray.q50.jpeg",
    "go/video-005.gray.q50.progressive.jpeg", "go/video-005.gray.q50.2x2.jpeg",
    "go/video-005.gray.q50.2x2.progressive.jpeg", "libjpeg-turbo/testorig.jpg", "libjpeg-turbo/testimgint.jpg",
    "libjpeg-turbo/testimgflt.jpg", "libjpeg-turbo/testimgfst.jpg", "libjpeg-turbo/testimgfst100.jpg",
    "libjpeg-turbo/testimggray.jpg", "libjpeg-turbo/testimgcrop.jpg", "libjpeg-turbo/testimgp.jpg",
    "jpeg-decoder/reftest/16bit-qtables.jpg", "jpeg-decoder/reftest/blank_800x280.jpg",
    "jpeg-decoder/reftest/extraneous-data.jpg", "jpeg-decoder/reftest/grayscale_16x24_sampling2x2.jpg",
    "jpeg-decoder/reftest/grayscale_24x16_sampling2x2.jpg", "jpeg-decoder/reftest/grayscale_large.jpg",
    "jpeg-decoder/reftest/grayscale_long.jpg", "jpeg-decoder/reftest/grayscale_square.jpg",
    "jpeg-decoder/reftest/non-interleaved-mcu.jpg", "jpeg-decoder/reftest/partial_progressive.jpg",
    "jpeg-decoder/reftest/progressive-missing-ac.jpg", "jpeg-decoder/reftest/progressive-missing-dc.jpg",
    "jpeg-decoder/reftest/progressive3.jpg", "jpeg-decoder/reftest/restarts.jpg",
    "jpeg-decoder/crashtest/extraneous-bytes-after-sos.jpg", "jpeg-decoder/crashtest/multiple-0xff-before-eoi.jpg",
    "jpeg-decoder/benches/tower.jpg", "jpeg-decoder/benches/tower_progressive.jpg",
    "jpeg-decoder/benches/tower_grayscale.jpg",
};

}  // namespace

TEST(Jpeg, CorpusMatchesDjpeg) {
  for (const char* name : kCorpusAccepted) expect_same_as_djpeg(TestData(std::string("corpus/jpeg/") + name));
}

// The generic builds of the transform and colour conversion, whatever the processor.
TEST(Jpeg, GenericBuildMatchesDjpeg) {
  const int saved = jpeg_use_avx2;
  jpeg_use_avx2 = 0;
  for (const char* name : {"libjpeg-turbo/testimgfst100.jpg", "go/video-001.q50.422.jpeg", "go/video-001.q50.440.progressive.jpeg",
                           "libjpeg-turbo/testimggray.jpg", "jpeg-decoder/benches/tower.jpg"})
    expect_same_as_djpeg(TestData(std::string("corpus/jpeg/") + name));
  jpeg_use_avx2 = saved;
}

// Images made here with cjpeg and jpegtran cover each sampling mode, restart intervals,
// progressive scripts, optimised tables and sizes that are not multiples of the MCU.
TEST(Jpeg, GeneratedImagesMatchDjpeg) {
  const std::string tmp = VORIX_TEST_TMP_DIR;
  const std::string src = make_ppm("photo.ppm", 83, 45);
  const std::string big = make_ppm("photo_big.ppm", 160, 96);
  struct Case {
    const char* Name;
    const char* Options;
  } cases[] = {
      {"s444", "-sample 1x1"},
      {"s422", "-sample 2x1"},
      {"s440", "-sample 1x2"},
      {"s420", "-sample 2x2"},
      {"grey", "-grayscale"},
      {"opt", "-optimize -quality 97"},
      {"q100", "-quality 100 -sample 2x2"},
      {"rst1", "-restart 1B -sample 2x2"},
      {"rst3", "-restart 3B -sample 2x1"},
      {"rstrow", "-restart 1 -sample 1x2"},
      {"prog", "-progressive -sample 2x2"},
      {"proggrey", "-progressive -grayscale"},
      {"progrst", "-progressive -restart 2B"},
      {"q5", "-quality 5 -sample 1x1"},
  };
  for (const Case& c : cases) {
    const std::string out = run_tool(std::string("cjpeg -dct int ") + c.Options + " " + shell_quote(src), std::string(c.Name) + ".jpg");
    expect_same_as_djpeg(out);
  }
  // Long Huffman codes: a large, detailed image with optimised tables.
  expect_same_as_djpeg(run_tool("cjpeg -optimize -quality 100 -sample 1x1 " + shell_quote(big), "opt_big.jpg"));
  // Same image sequential, progressive and with restarts: identical pixels.
  const std::string base = run_tool("cjpeg -sample 2x2 " + shell_quote(big), "base.jpg");
  const std::string prog = run_tool("jpegtran -progressive " + shell_quote(base), "base_prog.jpg");
  const std::string rst = run_tool("jpegtran -restart 2B " + shell_quote(base), "base_rst.jpg");
  ImageDocument *a = nullptr, *b = nullptr, *r = nullptr;
  auto fa = ReadBytes(base), fb = ReadBytes(prog), fr = ReadBytes(rst);
  ASSERT_EQ(JPEG_DecodeMemory(fa.data(), fa.size(), &a), JPEG_OK);
  ASSERT_EQ(JPEG_DecodeMemory(fb.data(), fb.size(), &b), JPEG_OK);
  ASSERT_EQ(JPEG_DecodeMemory(fr.data(), fr.size(), &r), JPEG_OK);
  const size_t bytes = size_t(a->BytesPerLine) * a->YSize;
  EXPECT_EQ(std::memcmp(a->pBits, b->pBits, bytes), 0);
  EXPECT_EQ(std::memcmp(a->pBits, r->pBits, bytes), 0);
  IMAGE_Free(a);
  IMAGE_Free(b);
  IMAGE_Free(r);
  // Separate scans per component in a sequential file.
  const std::string script = WriteTemp("scans.txt", {'0', ';', '1', ';', '2', ';', '\n'});
  expect_same_as_djpeg(run_tool("cjpeg -sample 2x2 -scans " + shell_quote(script) + " " + shell_quote(src), "sepscans.jpg"));
}

TEST(Jpeg, RefusedLayoutsAndCodings) {
  const std::string src = make_ppm("refuse.ppm", 40, 24);
  EXPECT_EQ(decode_status(run_tool("cjpeg -sample 4x1 " + shell_quote(src), "s411.jpg")), JPEG_EUNSUPPORTED);
  EXPECT_EQ(decode_status(run_tool("cjpeg -sample 2x2,2x1,1x1 " + shell_quote(src), "chroma21.jpg")), JPEG_EUNSUPPORTED);
  EXPECT_EQ(decode_status(run_tool("cjpeg -arithmetic " + shell_quote(src), "arith.jpg")), JPEG_EUNSUPPORTED);
  EXPECT_EQ(decode_status(run_tool("cjpeg -rgb " + shell_quote(src), "rgb.jpg")), JPEG_EUNSUPPORTED);
  const char* refused[] = {"go/video-001.q50.411.jpeg", "go/video-001.q50.410.progressive.jpeg",
                           "go/video-001.221212.jpeg", "go/video-001.cmyk.jpeg", "go/video-001.rgb.jpeg",
                           "libjpeg-turbo/testimgari.jpg", "libjpeg-turbo/testorig12.jpg", "libjpeg-turbo/monkey12.jpg",
                           "jpeg-decoder/crashtest/invalid-prediction-shift.jpg"};
  for (const char* name : refused)
    EXPECT_EQ(decode_status(TestData(std::string("corpus/jpeg/") + name)), JPEG_EUNSUPPORTED) << name;
}

TEST(Jpeg, DamagedFilesFailCleanly) {
  const char* damaged[] = {"empty.jpg", "missing-sof.jpg", "missing-sos.jpg", "missing-frame-image-1410.jpg",
                           "null_height.jpg", "invalid-dimensions.jpg", "max_size.jpg",
                           "derive-huffman-codes-overflow.jpg"};
  for (const char* name : damaged)
    EXPECT_NE(decode_status(TestData(std::string("corpus/jpeg/jpeg-decoder/crashtest/") + name)), JPEG_OK) << name;
  // Four of ten progressive scans and then the end of image: decodes (djpeg would smooth
  // the missing coefficients, so it is no reference here).
  EXPECT_EQ(decode_status(TestData("corpus/jpeg/go/video-001.progressive.truncated.jpeg")), JPEG_OK);
  // Not a JPEG at all, and a file cut inside the entropy-coded data.
  EXPECT_EQ(decode_status(TestData("corpus/pngsuite/png/basn2c08.png")), JPEG_ENOTJPEG);
  auto f = ReadBytes(TestData("corpus/jpeg/libjpeg-turbo/testorig.jpg"));
  f.resize(f.size() / 2);
  ImageDocument* doc = nullptr;
  EXPECT_EQ(JPEG_DecodeMemory(f.data(), f.size(), &doc), JPEG_ETRUNCATED);
  EXPECT_EQ(doc, nullptr);
}

// Damaged coefficient data decodes on (no failure, no crash) as long as the markers hold.
TEST(Jpeg, CorruptEntropyDataStillDecodes) {
  const char* names[] = {"dc-predictor-overflow.jpg", "subtract-with-overflow.jpg"};
  for (const char* name : names) decode_status(TestData(std::string("corpus/jpeg/jpeg-decoder/crashtest/") + name));
  auto f = ReadBytes(TestData("corpus/jpeg/libjpeg-turbo/testorig.jpg"));
  uint32_t seed = 7;
  for (size_t i = 700; i < f.size() - 2; i += 37) {
    seed = seed * 1103515245 + 12345;
    if (f[i] != 0xFF && f[i - 1] != 0xFF) f[i] = uint8_t(seed >> 24) == 0xFF ? 0 : uint8_t(seed >> 24);
  }
  ImageDocument* doc = nullptr;
  EXPECT_EQ(JPEG_DecodeMemory(f.data(), f.size(), &doc), JPEG_OK);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->XSize, 227);
  IMAGE_Free(doc);
}

// The callback is asked for 4096-byte chunks at increasing offsets, and a callback that
// delivers fewer bytes per call still gives the same image.
TEST(Jpeg, ChunkedInput) {
  struct Source {
    std::vector<uint8_t> Data;
    size_t Limit;
    size_t MaxRequest = 0;
    size_t LastOffset = 0;
    bool Ordered = true;
  };
  auto fetch = [](void* ctx, const uint8_t** pp, size_t n, size_t offset) -> size_t {
    auto* s = static_cast<Source*>(ctx);
    s->MaxRequest = std::max(s->MaxRequest, n);
    if (offset != 0 && offset < s->LastOffset) s->Ordered = false;
    s->LastOffset = offset;
    if (offset >= s->Data.size()) return 0;
    *pp = s->Data.data() + offset;
    return std::min({n, s->Limit, s->Data.size() - offset});
  };
  Source whole{ReadBytes(TestData("corpus/jpeg/libjpeg-turbo/testimgp.jpg")), SIZE_MAX};
  Source dribble{whole.Data, 3};
  ImageDocument *a = nullptr, *b = nullptr;
  ASSERT_EQ(JPEG_Decode(fetch, &whole, &a), JPEG_OK);
  ASSERT_EQ(JPEG_Decode(fetch, &dribble, &b), JPEG_OK);
  EXPECT_EQ(whole.MaxRequest, size_t(JPEG_CHUNK_SIZE));
  EXPECT_TRUE(whole.Ordered);
  EXPECT_EQ(std::memcmp(a->pBits, b->pBits, size_t(a->BytesPerLine) * a->YSize), 0);
  IMAGE_Free(a);
  IMAGE_Free(b);
}

TEST(Jpeg, ReaderGivesTrueColourWithEqualGreyChannels) {
  ScopedHost host;
  ImageDocument* doc = IMAGE_ReadJPEG(TestData("corpus/jpeg/libjpeg-turbo/testimggray.jpg").c_str());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->BitsPerPixel, 32);
  EXPECT_EQ(doc->HasAlpha, 0);
  for (int y = 0; y < doc->YSize; y += 7)
    for (int x = 0; x < doc->XSize; x += 5) {
      const ColorValue c = IMAGE_GetColor(doc, x, y);
      ASSERT_EQ(c, (c & 0xFF) * 0x010101u);
    }
  IMAGE_Free(doc);
  EXPECT_EQ(IMAGE_ReadJPEG(WriteTemp("empty.jpg", {}).c_str()), nullptr);
  EXPECT_EQ(IMAGE_ReadJPEG(TestData("corpus/jpeg/libjpeg-turbo/testimgari.jpg").c_str()), nullptr);
  EXPECT_TRUE(host.Host.Warnings.empty());
}

// Saturated blue and red ramps reach the ends of the chroma range, where the rounding
// of the colour constants decides the last bit.
TEST(Jpeg, ChromaExtremesMatchDjpeg) {
  std::string head = "P6\n256 4\n255\n";
  std::vector<uint8_t> f(head.begin(), head.end());
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 256; ++x) {
      const uint8_t v = uint8_t(x);
      const uint8_t px[4][3] = {{0, 0, v}, {v, 0, 0}, {uint8_t(255 - v), 255, v}, {v, v, 255}};
      f.insert(f.end(), px[y], px[y] + 3);
    }
  const std::string src = WriteTemp("ramps.ppm", f);
  expect_same_as_djpeg(run_tool("cjpeg -quality 100 -sample 1x1 " + shell_quote(src), "ramps.jpg"));
  expect_same_as_djpeg(run_tool("cjpeg -quality 100 -sample 2x2 " + shell_quote(src), "ramps420.jpg"));
}

// A hand-built 16 x 8 grey image whose AC table gives a one-bit code to an 8-bit magnitude:
// the whole coefficient (+200, then -200) fits one table lookup.
TEST(Jpeg, ShortCodesWithLargeMagnitudesMatchDjpeg) {
  std::vector<uint8_t> f = {0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0x00};
  f.insert(f.end(), 64, 1);  // all quantisation steps 1
  const uint8_t frame[] = {0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x00, 0x08, 0x00, 0x10, 0x01, 0x01, 0x11, 0x00};
  f.insert(f.end(), frame, frame + sizeof(frame));
  const uint8_t dcTable[] = {0xFF, 0xC4, 0x00, 0x14, 0x00, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x00};
  const uint8_t acTable[] = {0xFF, 0xC4, 0x00, 0x15, 0x10, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x08, 0x00};
  const uint8_t scan[] = {0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00};
  f.insert(f.end(), dcTable, dcTable + sizeof(dcTable));
  f.insert(f.end(), acTable, acTable + sizeof(acTable));
  f.insert(f.end(), scan, scan + sizeof(scan));
  // Per block: DC difference 0 ("0"), symbol 0x08 ("0") with its 8 magnitude bits, end of
  // block ("10"). -200 is sent as 255 - 200 = 55.
  const std::string bits = std::string("0011001000") + "10" + "0000110111" + "10";
  for (size_t i = 0; i < bits.size(); i += 8) {
    uint8_t b = 0;
    for (size_t j = 0; j < 8; ++j) b = uint8_t(b << 1 | (bits[i + j] == '1'));
    f.push_back(b);
  }
  f.push_back(0xFF);
  f.push_back(0xD9);
  expect_same_as_djpeg(WriteTemp("short-codes.jpg", f));
}

TEST(Jpeg, ScansEndWithTheirDataAndTheirNumberIsBounded) {
  // Empty scans end at once instead of decoding the whole image from zero bits: five
  // hundred of them over 16 megapixels stay far below a second.
  ImageDocument* doc = nullptr;
  const std::vector<uint8_t> most = HOSTILE_EmptyScansJpeg(4096, 4096, JPEG_MAX_SCANS);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(JPEG_DecodeMemory(most.data(), most.size(), &doc), JPEG_OK);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  // No coefficient arrived: every sample is mid grey.
  EXPECT_EQ(IMAGE_GetColor(doc, 0, 0), COLOR_Make(128, 128, 128));
  EXPECT_EQ(IMAGE_GetColor(doc, 4095, 4095), COLOR_Make(128, 128, 128));
  IMAGE_Free(doc);

  const std::vector<uint8_t> more = HOSTILE_EmptyScansJpeg(16, 16, JPEG_MAX_SCANS + 1);
  EXPECT_EQ(JPEG_DecodeMemory(more.data(), more.size(), &doc), JPEG_ETOOMANYSCANS);
  EXPECT_EQ(doc, nullptr);
}

TEST(Jpeg, ProgressiveCoefficientsCountAgainstTheLimit) {
  // 8192 x 8192 fits the document, but not with 6 bytes of coefficients per pixel.
  for (const HostileFile& h : HOSTILE_ImageFiles()) {
    if (h.Name != "progressive.jpg") continue;
    ImageDocument* doc = nullptr;
    EXPECT_EQ(JPEG_DecodeMemory(h.Bytes.data(), h.Bytes.size(), &doc), JPEG_ETOOLARGE);
    EXPECT_EQ(doc, nullptr);
  }
  const std::vector<uint8_t> grey = HOSTILE_EmptyScansJpeg(8192, 8192, 1);
  ImageDocument* doc = nullptr;
  // Grey: 4 + 2 bytes a pixel of 64 megapixels is more than the budget too.
  EXPECT_EQ(JPEG_DecodeMemory(grey.data(), grey.size(), &doc), JPEG_ETOOLARGE);
}
