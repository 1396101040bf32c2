#include "app/command_line.h"

#include "narration/catalogue.h"

namespace yacht {

std::string usageText()
{
    return translate("Usage: yacht [--transcript FILE|-] [--seed N] [--speech-engine speechd|flite|screen-reader|none]\n"
           "             [--terminal] [--language CODE] [--brief] [--version] [--help]\n"
           "       yacht --optimum\n"
           "       yacht --simulate strong|casual N [--seed K]\n"
           "       yacht --record\n"
           "       yacht --record-export FILE.csv|-\n"
           "A spoken game of Yacht for players who cannot see the screen.\n"
           "  --transcript FILE|-   write every spoken text and sound, one line each, to FILE\n"
           "                        (- for standard output)\n"
           "  --seed N              throw the dice from a fixed seed, for reproducible games\n"
           "  --speech-engine NAME  speechd (speech-dispatcher, the default), flite, screen-reader\n"
           "                        (the running screen reader speaks and shows in braille), or none\n"
           "                        (silent; read the transcript instead)\n"
           "                        The engine named is remembered for later starts; none is not.\n"
           "  --terminal            play in this terminal, a plain line for every text, even where a\n"
           "                        display is available; a start with no display plays there too\n"
           "                        (the Linux console with Speakup or Fenrir, BRLTTY, ssh)\n"
           "  --language CODE       play in the language CODE (de, en, es, fr) for this run,\n"
           "                        whatever the desktop's language\n"
           "  --brief               brief speech for this run, for players who know the game\n"
           "  --optimum             print the expected score of perfect solitaire play and leave\n"
           "  --simulate S N        play N solitaire games at strength S (strong or casual)\n"
           "                        with no window or sound, print their mean and leave\n"
           "  --record              print the best scores and statistics, as F5 says them, and leave\n"
           "  --record-export FILE  write every recorded turn as CSV to FILE (- for standard output)\n"
           "                        and leave\n"
           "  --version             print the version and leave\n"
           "  --help                print this text and leave\n");
}

}  // namespace yacht
