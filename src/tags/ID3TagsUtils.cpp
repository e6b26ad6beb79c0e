#include "ID3TagsUtils.h"

#include "base/Exceptions.h"
#include "base/Locale.h"

const std::array<TFrameIDinfo, FrameIDCount> FrameIDs = {{
    {"AENC", "Audio encryption", 0},
    {"APIC", "Attached picture", 11},
    {"ASPI", "Audio seek point index", 0},
    {"COMM", "Comments", 9},
    {"COMR", "Commercial", 0},
    {"ENCR", "Encryption method", 0},
    {"EQU2", "Equalisation", 0},
    {"ETCO", "Event timing codes", 0},
    {"GEOB", "General encapsulated object", 12},
    {"GRID", "Group identification", 0},
    {"LINK", "Linked information", 0},
    {"MCDI", "Music CD identifier", 10},
    {"MLLT", "MPEG location lookup table", 0},
    {"OWNE", "Ownership frame", 0},
    {"PCNT", "Play counter", 27},
    {"PRIV", "Private frame", 0},
    {"POPM", "PopulariMeter", 28},
    {"POSS", "Position synchronisation", 0},
    {"RBUF", "Recommended bufferSize", 0},
    {"RVA2", "Relative volume adjustment", 0},
    {"RVRB", "Reverb", 0},
    {"SEEK", "Seek frame", 0},
    {"SIGN", "Signature frame", 0},
    {"SYLT", "Synchronised lyric/text", 0},
    {"SYTC", "Synchronised tempo codes", 0},
    {"TALB", "Album/movie/show title", 2},
    {"TBPM", "Beats Per Minute", 2},
    {"TCOM", "Composer", 2},
    {"TCON", "Content type", 5},
    {"TCOP", "Copyright message", 2},
    {"TDEN", "Encoding time", 2},
    {"TDLY", "Playlist delay", 2},
    {"TDOR", "Original release time", 2},
    {"TDRC", "Recording time", 3},
    {"TDRL", "Release time", 2},
    {"TDTG", "Tagging time", 2},
    {"TENC", "Encoded by", 2},
    {"TEXT", "Lyricist/text writer", 2},
    {"TFLT", "File type", 2},
    {"TIPL", "Involved people list", 2},
    {"TIT1", "Content group description", 2},
    {"TIT2", "Title/songname description", 2},
    {"TIT3", "Subtitle/description refinement", 2},
    {"TKEY", "Initial key", 2},
    {"TLAN", "Language(s)", 2},
    {"TLEN", "Audio length", 0},
    {"TMCL", "Musician credits list", 2},
    {"TMED", "Media type", 2},
    {"TMOO", "Mood", 2},
    {"TOAL", "Original album/movie/show title", 2},
    {"TOFN", "Original filename", 2},
    {"TOLY", "Original lyricist/text writer", 2},
    {"TOPE", "Original artist/performer", 2},
    {"TOWN", "File owner/licensee", 2},
    {"TPE1", "Lead performer/soloist", 2},
    {"TPE2", "Band/orchestra/accompaniment", 2},
    {"TPE3", "Conductor/performer refinement", 2},
    {"TPE4", "Interpreted/remixed/modified by", 2},
    {"TPOS", "Part of a set", 2},
    {"TPRO", "Produced notice", 2},
    {"TPUB", "Publisher", 2},
    {"TRCK", "Track number/position in set", 4},
    {"TRSN", "Radio station name", 2},
    {"TRSO", "Radio station owner", 2},
    {"TSOA", "Album sort order", 2},
    {"TSOP", "Performer sort order", 2},
    {"TSOT", "Title sort order", 2},
    {"TSRC", "Int. Standard Recording Code", 2},
    {"TSSE", "Software/hardware settings", 2},
    {"TSST", "Set subtitle", 2},
    {"TXXX", "User defined text", 6},
    {"UFID", "Unique file identifier", 0},
    {"USER", "Terms of use", 0},
    {"USLT", "Unsynchronised lyric/text", 9},
    {"WCOM", "Commercial information", 7},
    {"WCOP", "Copyright/legal information", 7},
    {"WOAF", "Offical audio file URL", 7},
    {"WOAR", "Offical artist/performer URL", 7},
    {"WOAS", "Offical audio source URL", 7},
    {"WORS", "Offical radio station URL", 7},
    {"WPAY", "Payment", 7},
    {"WPUB", "Publishers official URL", 7},
    {"WXXX", "User defined URL", 8},
    {"----", "Obsolete FrameID", 0},
}};

const std::array<const char*, GenreCount> Genres = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop",
    "Jazz", "Metal", "New Age", "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock",
    "Techno", "Industrial", "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack",
    "Euro-Techno", "Ambient", "Trip-Hop", "Vocal", "Jazz+Funk", "Fusion", "Trance",
    "Classical", "Instrumental", "Acid", "House", "Game", "Sound Clip", "Gospel", "Noise",
    "Alternative Rock", "Bass", "Soul", "Punk", "Space", "Meditative", "Instrumental Pop",
    "Instrumental Rock", "Ethnic", "Gothic", "Darkwave", "Techno-Industrial", "Electronic",
    "Pop-Folk", "Eurodance", "Dream", "Southern Rock", "Comedy", "Cult", "Gangsta",
    "Top 40", "Christian Rap", "Pop/Funk", "Jungle", "Native US", "Cabaret", "New Wave",
    "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi", "Tribal", "Acid Punk",
    "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock", "Folk",
    "Folk-Rock", "National Folk", "Swing", "Fast Fusion", "Bebob", "Latin", "Revival",
    "Celtic", "Bluegrass", "Avantgarde", "Gothic Rock", "Progressive Rock",
    "Psychedelic Rock", "Symphonic Rock", "Slow Rock", "Big Band", "Chorus",
    "Easy Listening", "Acoustic", "Humour", "Speech", "Chanson", "Opera", "Chamber Music",
    "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove", "Satire", "Slow Jam",
    "Club", "Tango", "Samba", "Folklore", "Ballad", "Power Ballad", "Rhytmic Soul",
    "Freestyle", "Duet", "Punk Rock", "Drum Solo", "Acapella", "Euro-House", "Dance Hall",
    "Goa", "Drum & Bass", "Club-House", "Hardcore", "Terror", "Indie", "BritPop",
    "Negerpunk", "Polsk Punk", "Beat", "Christian Gangsta Rap", "Heavy Metal",
    "Black Metal", "Crossover", "Contemporary Christian", "Christian Rock", "Merengue",
    "Salsa", "Trash Metal", "Anime", "Jpop", "Synthpop",
    " ",
};

const std::array<const char*, TagVersionCount> TagVersionNames = {
    "-------", "ID3v1.0", "ID3v1.1", "ID3v2.0", "ID3v2.1", "ID3v2.2", "ID3v2.3", "ID3v2.4",
};

const TFrameIDinfo& FrameIDInfo(int kind) {
  CheckRange(kind, FrameIDCount);
  return FrameIDs[kind];
}

std::string GenreName(int index) {
  CheckRange(index, GenreCount);
  return Genres[index];
}

std::string LanguageCode(int index) {
  CheckRange(index, LanguageCount);
  return Languages[index].Code;
}

std::string LanguageName(int index) {
  CheckRange(index, LanguageCount);
  return Languages[index].Name;
}

std::string TagVersionName(int kind) {
  CheckRange(kind, TagVersionCount);
  return TagVersionNames[kind];
}

TTagVersionKind ID3v2VersionKind(uint8_t majorVersion) {
  return majorVersion <= 4 ? static_cast<TTagVersionKind>(tvID3v20 + majorVersion) : tvNone;
}

int32_t GenreIndexOf(const std::string& name) {
  // The final blank entry is not a genre.
  for (int32_t i = 0; i < GenreCount - 1; ++i)
    if (AnsiSameText(name, Genres[i])) return i;
  return -1;
}
