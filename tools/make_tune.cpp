// make_tune: turns a note list (tempo, time signature, tracks of PITCH:LENGTH
// notes) into a format 1 standard MIDI file. Usage: make_tune NOTES OUTPUT.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int TICKS_PER_QUARTER = 96;

struct NoteEvent {
  int tick;
  bool on;
  int note;
};

struct Track {
  std::string name;
  int program = 0;
  int channel = 0;
  int velocity = 96;
  int length = 0;  // ticks written so far
  std::vector<NoteEvent> events;
};

struct Tune {
  int tempo = 120;
  int beats = 4;
  int beatUnit = 4;
  std::vector<Track> tracks;
};

// Thrown with the problem; the caller adds the file and line.
struct NoteListError {
  std::string problem;
};

int ParseNumber(const std::string& word, int low, int high) {
  size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(word, &used);
  } catch (...) {
    throw NoteListError{"not a number: " + word};
  }
  if (used != word.size() || value < low || value > high) {
    throw NoteListError{"number out of range: " + word};
  }
  return value;
}

// A pitch such as A4, C#5 or Bb3 as a MIDI note number.
int ParsePitch(const std::string& text) {
  static const int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (text.empty() || text[0] < 'A' || text[0] > 'G') throw NoteListError{"bad pitch: " + text};
  int note = kSemitones[text[0] - 'A'];
  size_t i = 1;
  for (; i < text.size() && (text[i] == '#' || text[i] == 'b'); ++i)
    note += text[i] == '#' ? 1 : -1;
  if (i == text.size()) throw NoteListError{"pitch without octave: " + text};
  note += 12 * (ParseNumber(text.substr(i), -1, 9) + 1);
  if (note < 0 || note > 127) throw NoteListError{"pitch out of range: " + text};
  return note;
}

// A length letter (w h q e s) with an optional dot, in ticks.
int ParseLength(const std::string& text) {
  static const std::string kLetters = "whqes";
  size_t index = text.empty() ? std::string::npos : kLetters.find(text[0]);
  bool dotted = text.size() == 2 && text[1] == '.';
  if (index == std::string::npos || (text.size() > 1 && !dotted)) {
    throw NoteListError{"bad length: " + text};
  }
  int ticks = 4 * TICKS_PER_QUARTER >> index;
  return dotted ? ticks + ticks / 2 : ticks;
}

void AddNotes(Track* track, const std::string& word) {
  size_t colon = word.find(':');
  if (colon == std::string::npos) throw NoteListError{"note without length: " + word};
  int length = ParseLength(word.substr(colon + 1));
  std::string pitches = word.substr(0, colon);
  if (pitches != "r") {
    std::stringstream chord(pitches);
    for (std::string pitch; std::getline(chord, pitch, '+');) {
      int note = ParsePitch(pitch);
      track->events.push_back({track->length, true, note});
      track->events.push_back({track->length + length, false, note});
    }
  }
  track->length += length;
}

// track "NAME" program P channel C velocity V
Track ParseTrackLine(const std::string& line) {
  size_t open = line.find('"');
  size_t close = open == std::string::npos ? open : line.find('"', open + 1);
  if (close == std::string::npos) throw NoteListError{"track needs a quoted name"};
  Track track;
  track.name = line.substr(open + 1, close - open - 1);
  std::stringstream rest(line.substr(close + 1));
  for (std::string key, value; rest >> key >> value;) {
    if (key == "program")
      track.program = ParseNumber(value, 0, 127);
    else if (key == "channel")
      track.channel = ParseNumber(value, 0, 15);
    else if (key == "velocity")
      track.velocity = ParseNumber(value, 1, 127);
    else
      throw NoteListError{"unknown track setting: " + key};
  }
  return track;
}

void ParseLine(const std::string& line, Tune* tune) {
  // Whole lines starting with # are comments ('#' inside a line is a sharp).
  std::stringstream words(line);
  std::string first;
  if (!(words >> first) || first[0] == '#') return;
  if (first == "tempo") {
    std::string value;
    words >> value;
    tune->tempo = ParseNumber(value, 20, 400);
  } else if (first == "time") {
    std::string value;
    words >> value;
    size_t slash = value.find('/');
    if (slash == std::string::npos) throw NoteListError{"time needs beats/unit"};
    tune->beats = ParseNumber(value.substr(0, slash), 1, 32);
    tune->beatUnit = ParseNumber(value.substr(slash + 1), 1, 32);
  } else if (first == "track") {
    tune->tracks.push_back(ParseTrackLine(line));
  } else {
    if (tune->tracks.empty()) throw NoteListError{"notes before the first track"};
    for (std::string word = first; !word.empty(); word.clear(), words >> word) {
      if (word != "|") AddNotes(&tune->tracks.back(), word);
    }
  }
}

void PutVariable(std::vector<uint8_t>* out, uint32_t value) {
  uint8_t bytes[5];
  int count = 0;
  do {
    bytes[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  while (count > 1) out->push_back(bytes[--count] | 0x80);
  out->push_back(bytes[0]);
}

void PutBigEndian(std::vector<uint8_t>* out, uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutChunk(std::vector<uint8_t>* out, const char* id, const std::vector<uint8_t>& body) {
  out->insert(out->end(), id, id + 4);
  PutBigEndian(out, static_cast<uint32_t>(body.size()), 4);
  out->insert(out->end(), body.begin(), body.end());
}

std::vector<uint8_t> ConductorTrack(const Tune& tune) {
  int log2Unit = 0;
  while ((1 << log2Unit) < tune.beatUnit) ++log2Unit;
  std::vector<uint8_t> body = {
      0, 0xFF, 0x58, 4, static_cast<uint8_t>(tune.beats), static_cast<uint8_t>(log2Unit), 24, 8,
      0, 0xFF, 0x51, 3};
  PutBigEndian(&body, 60000000u / tune.tempo, 3);
  body.insert(body.end(), {0, 0xFF, 0x2F, 0});
  return body;
}

std::vector<uint8_t> NoteTrack(Track track) {
  std::vector<uint8_t> body = {0, 0xFF, 0x03};
  PutVariable(&body, static_cast<uint32_t>(track.name.size()));
  body.insert(body.end(), track.name.begin(), track.name.end());
  body.insert(body.end(),
              {0, static_cast<uint8_t>(0xC0 | track.channel), static_cast<uint8_t>(track.program)});
  // In time order, a note's end before another's start at the same tick.
  std::stable_sort(track.events.begin(), track.events.end(),
                   [](const NoteEvent& a, const NoteEvent& b) {
                     return a.tick != b.tick ? a.tick < b.tick : !a.on && b.on;
                   });
  int now = 0;
  for (const NoteEvent& e : track.events) {
    PutVariable(&body, static_cast<uint32_t>(e.tick - now));
    now = e.tick;
    body.push_back(static_cast<uint8_t>((e.on ? 0x90 : 0x80) | track.channel));
    body.push_back(static_cast<uint8_t>(e.note));
    body.push_back(static_cast<uint8_t>(e.on ? track.velocity : 64));
  }
  PutVariable(&body, static_cast<uint32_t>(track.length - now));
  body.insert(body.end(), {0xFF, 0x2F, 0});
  return body;
}

std::vector<uint8_t> MidiFile(const Tune& tune) {
  std::vector<uint8_t> header;
  PutBigEndian(&header, 1, 2);
  PutBigEndian(&header, static_cast<uint32_t>(tune.tracks.size() + 1), 2);
  PutBigEndian(&header, TICKS_PER_QUARTER, 2);
  std::vector<uint8_t> file;
  PutChunk(&file, "MThd", header);
  PutChunk(&file, "MTrk", ConductorTrack(tune));
  for (const Track& track : tune.tracks) PutChunk(&file, "MTrk", NoteTrack(track));
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_tune NOTES OUTPUT\n");
    return 1;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::fprintf(stderr, "make_tune: cannot read %s\n", argv[1]);
    return 1;
  }
  Tune tune;
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    try {
      ParseLine(line, &tune);
    } catch (const NoteListError& error) {
      std::fprintf(stderr, "make_tune: %s:%d: %s\n", argv[1], lineNumber, error.problem.c_str());
      return 1;
    }
  }
  if (tune.tracks.empty()) {
    std::fprintf(stderr, "make_tune: %s: no tracks\n", argv[1]);
    return 1;
  }
  std::vector<uint8_t> bytes = MidiFile(tune);
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) {
    std::fprintf(stderr, "make_tune: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
