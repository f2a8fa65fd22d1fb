#include "files/object_stream.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes Chars(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

const Bytes kHeader{0x3A, 0x01, 0x01, 0x00, 0x00};

TEST(StreamWriterTest, WritesHeaderAndLittleEndianItems) {
  StreamWriter writer;
  EXPECT_EQ(writer.data(), kHeader);

  writer.writeByte(0xAB);
  writer.writeWord(-2);
  writer.writeWord32(0x01020304);
  writer.writeFlag(1);
  writer.writeBytes(0x00A1B2C3);
  writer.writeString("");
  writer.writeString("AB");
  writer.writeNullString();
  writer.flush();

  EXPECT_FALSE(writer.failed());
  EXPECT_EQ(writer.data(), Concat({kHeader,
                                   {0xAB},
                                   {0xFE, 0xFF, 0xFF, 0xFF},
                                   {0x04, 0x03, 0x02, 0x01},
                                   {0x01, 0x00, 0x00, 0x00},
                                   {0xC3, 0xB2, 0xA1, 0x00},
                                   {0x00, 0x00, 0x00, 0x00},
                                   {0x02, 0x00, 0x00, 0x00, 'A', 'B'},
                                   {0xFF, 0xFF, 0xFF, 0xFF}}));

  StreamReader reader(writer.data());
  EXPECT_EQ(reader.version(), 257u);
  EXPECT_EQ(reader.readByte(), 0xAB);
  EXPECT_EQ(reader.readWord(), -2);
  EXPECT_EQ(reader.readWord32(), 0x01020304u);
  EXPECT_TRUE(reader.readFlag());
  EXPECT_EQ(reader.readBytes(), 0x00A1B2C3);
  EXPECT_EQ(reader.readString(), "");
  EXPECT_EQ(reader.readString(), "AB");
  EXPECT_EQ(reader.readString(), "");  // the null text
  EXPECT_FALSE(reader.failed());
  EXPECT_EQ(reader.remaining(), 0u);

  // Any non-zero flag is set.
  const Bytes flags = Concat({kHeader, {2, 0, 0, 0, 0, 0, 0, 0x80}});
  StreamReader flagReader(flags);
  EXPECT_TRUE(flagReader.readFlag());
  EXPECT_TRUE(flagReader.readFlag());
}

TEST(StreamWriterTest, FramesObjectsWithClassNameAndVersion) {
  StreamWriter writer;
  writer.writeObject(kPairStreamClass, [](StreamWriter& w) { w.writeWord(7); });
  writer.writeObject(kPilotStreamClass, [](StreamWriter& w) { w.writeString("X"); });
  EXPECT_EQ(writer.data(), Concat({kHeader,
                                   {0x5B, 0x05, 0x00, 0x00, 0x00},
                                   Chars("TPair"),
                                   {0x05, 0x00, 0x00, 0x00},
                                   {0x07, 0x00, 0x00, 0x00},
                                   {0x5D},
                                   {0x5B, 0x06, 0x00, 0x00, 0x00},
                                   Chars("TPilot"),
                                   {0x03, 0x00, 0x00, 0x00},
                                   {0x01, 0x00, 0x00, 0x00, 'X'},
                                   {0x5D}}));

  StreamReader reader(writer.data());
  std::vector<std::uint32_t> versions;
  EXPECT_TRUE(reader.readObject("TPair", [&](StreamReader& r, std::uint32_t version) {
    versions.push_back(version);
    EXPECT_EQ(r.readWord(), 7);
  }));
  EXPECT_TRUE(reader.readObject("TPilot", [&](StreamReader& r, std::uint32_t version) {
    versions.push_back(version);
    EXPECT_EQ(r.readString(), "X");
  }));
  EXPECT_EQ(versions, (std::vector<std::uint32_t>{5, 3}));
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST(StreamWriterTest, ShortWriteKeepsWhatFitsAndStopsWriting) {
  StreamWriter writer(7);
  writer.writeWord32(0x44332211);
  EXPECT_TRUE(writer.failed());
  EXPECT_EQ(writer.data(), Concat({kHeader, {0x11, 0x22}}));

  writer.writeByte(1);
  writer.writeString("abc");
  writer.writeObject(kPairStreamClass, [](StreamWriter& w) { w.writeWord(1); });
  EXPECT_EQ(writer.data().size(), 7u);

  StreamWriter tiny(3);  // not even the header fits
  EXPECT_EQ(tiny.data(), (Bytes{0x3A, 0x01, 0x01}));
  StreamWriter exact(kHeader.size() + 4);
  exact.writeWord(5);
  EXPECT_FALSE(exact.failed());
  exact.writeByte(0);
  EXPECT_TRUE(exact.failed());
}

TEST(StreamReaderTest, DataWithoutHeaderIsAVersionZeroStream) {
  const Bytes data = Concat({{0x34, 0x12},  // word: 2 bytes
                             {0xFF, 0xFF},  // unsigned
                             {0x02, 'h', 'i'},
                             {0xFF},                    // null text
                             {0x00},                    // empty text
                             {0x01, 0x00, 0x00, 0x00},  // word32 stays 4 bytes
                             {0x05, 0x00, 0x00, 0x00},  // raw bytes too
                             {0x5B, 0x05},
                             Chars("TPair"),
                             {0x09, 0x00},  // body; no object version before it
                             {0x5D}});
  StreamReader reader(data);
  EXPECT_EQ(reader.version(), 0u);
  EXPECT_EQ(reader.readWord(), 0x1234);
  EXPECT_EQ(reader.readWord(), 0xFFFF);
  EXPECT_EQ(reader.readString(), "hi");
  EXPECT_EQ(reader.readString(), "");
  EXPECT_EQ(reader.readString(), "");
  EXPECT_EQ(reader.readWord32(), 1u);
  EXPECT_EQ(reader.readBytes(), 5);
  std::uint32_t objectVersion = 99;
  EXPECT_TRUE(reader.readObject("TPair", [&](StreamReader& r, std::uint32_t version) {
    objectVersion = version;
    EXPECT_EQ(r.readWord(), 9);
  }));
  EXPECT_EQ(objectVersion, 0u);
  EXPECT_FALSE(reader.failed());
  EXPECT_EQ(reader.remaining(), 0u);

  // No data at all: no header, and the first read already runs past the end.
  const Bytes empty;
  StreamReader nothing(empty);
  EXPECT_EQ(nothing.version(), 0u);
  EXPECT_EQ(nothing.readByte(), 0);
  EXPECT_TRUE(nothing.failed());
}

// A valid frame up to the class name, then four bytes that must never be read.
Bytes FrameThenTail(std::string_view className) {
  return Concat({kHeader,
                 {0x5B, static_cast<std::uint8_t>(className.size()), 0x00, 0x00, 0x00},
                 Chars(className),
                 {0x05, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0x5D},
                 {0x2A, 0x00, 0x00, 0x00}});
}

TEST(StreamReaderTest, BrokenFramesFailTheStreamAndSilenceLaterReads) {
  struct Case {
    const char* what;
    Bytes data;
    std::string_view expected;
  };
  Bytes noPrefix = FrameThenTail("TPair");
  noPrefix[kHeader.size()] = 0x28;
  Bytes noSuffix = FrameThenTail("TPair");
  noSuffix[kHeader.size() + 5 + 5 + 8] = 0x29;
  const Case cases[] = {
      {"unknown class", FrameThenTail("TCrew"), "TPair"},
      {"empty class name", FrameThenTail(""), "TPair"},
      {"class name case differs", FrameThenTail("tpair"), "TPair"},
      {"registered class in the wrong slot", FrameThenTail("TPilot"), "TPair"},
      {"pairing where a crew member belongs", FrameThenTail("TPair"), "TPilot"},
      {"no prefix", noPrefix, "TPair"},
      {"no suffix", noSuffix, "TPair"},
      {"class name longer than 127", FrameThenTail(std::string(128, 'T')), "TPair"},
      {"null class name", Concat({kHeader, {0x5B, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}}), "TPair"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StreamReader reader(c.data);
    EXPECT_FALSE(
        reader.readObject(c.expected, [](StreamReader& r, std::uint32_t) { r.readWord(); }));
    EXPECT_TRUE(reader.failed());
    const std::size_t position = reader.position();
    EXPECT_EQ(reader.readWord32(), 0u);
    EXPECT_EQ(reader.readString(), "");
    bool bodyCalled = false;
    EXPECT_FALSE(
        reader.readObject("TPair", [&](StreamReader&, std::uint32_t) { bodyCalled = true; }));
    EXPECT_FALSE(bodyCalled);
    EXPECT_EQ(reader.position(), position);
  }
}

TEST(StreamReaderTest, TruncatedDataFailsAtEveryCut) {
  StreamWriter writer;
  writer.writeString("Lumora      29");
  writer.writeWord(-1);
  writer.writeByte(3);
  writer.writeObject(kPairStreamClass, [](StreamWriter& w) {
    w.writeWord(600);
    w.writeString("layover");
    w.writeBytes(12345);
  });
  writer.writeObject(kPilotStreamClass, [](StreamWriter& w) { w.writeString("SMITH"); });
  writer.writeWord32(1);
  const Bytes full = writer.data();

  auto readAll = [](StreamReader& reader) {
    reader.readString();
    reader.readWord();
    reader.readByte();
    reader.readObject("TPair", [](StreamReader& r, std::uint32_t) {
      r.readWord();
      r.readString();
      r.readBytes();
    });
    reader.readObject("TPilot", [](StreamReader& r, std::uint32_t) { r.readString(); });
    return reader.readWord32();
  };

  StreamReader whole(full);
  EXPECT_EQ(readAll(whole), 1u);
  EXPECT_FALSE(whole.failed());

  for (std::size_t cut = 0; cut < full.size(); ++cut) {
    SCOPED_TRACE(cut);
    const Bytes part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
    StreamReader reader(part);
    EXPECT_EQ(readAll(reader), 0u);
    EXPECT_TRUE(reader.failed());
    EXPECT_LE(reader.position(), cut);
  }

  // A text length past the data fails without reading it, in both stream kinds.
  const Bytes longText = Concat({kHeader, {0xFE, 0xFF, 0xFF, 0xFF}, Chars("abc")});
  const Bytes oldLongText{0x04, 'a', 'b', 'c'};
  for (const Bytes* data : {&longText, &oldLongText}) {
    StreamReader reader(*data);
    EXPECT_EQ(reader.readString(), "");
    EXPECT_TRUE(reader.failed());
  }
}

}  // namespace
}  // namespace lumora
