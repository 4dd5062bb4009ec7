// Feeds a recorded output stream into a headless xterm and prints what the
// terminal then shows, for the end-to-end tests to compare cell by cell.
//
// Usage: node emulate.mjs FILE [COLS [ROWS]]   (default 122 x 61)
//
// Output, one record per line:
//   screen COLS ROWS CURSOR_COL CURSOR_ROW BUFFER CURSOR_HIDDEN
//     BUFFER is "normal" or "alternate"; CURSOR_HIDDEN is 1, 0, or -1 when
//     the emulator does not tell.
// then COLS x ROWS cell lines, row by row:
//   WIDTH FG BG CHAR
//     WIDTH 1 or 2, 0 for the second half of a wide character;
//     FG, BG the palette index, -1 for the terminal's default colour (an RGB
//       colour, which the game never sends, shows as -2);
//     CHAR the character as UTF-8 in hex, "-" for an empty cell.

import { readFileSync } from 'node:fs';
import xtermHeadless from '@xterm/headless';

const { Terminal } = xtermHeadless;

function colour(isDefault, isPalette, value) {
  if (isDefault) return -1;
  if (isPalette) return value;
  return -2;
}

function cursorHidden(term) {
  // Not part of the public interface; tolerate its absence.
  const hidden = term._core?.coreService?.isCursorHidden;
  if (typeof hidden !== 'boolean') return -1;
  return hidden ? 1 : 0;
}

function describe(term) {
  const buffer = term.buffer.active;
  const lines = [
    `screen ${term.cols} ${term.rows} ${buffer.cursorX} ${buffer.cursorY} ${buffer.type} ${cursorHidden(term)}`,
  ];
  const cell = buffer.getNullCell();
  for (let row = 0; row < term.rows; ++row) {
    const line = buffer.getLine(buffer.viewportY + row);
    for (let col = 0; col < term.cols; ++col) {
      if (!line || !line.getCell(col, cell)) {
        lines.push('1 -1 -1 -');
        continue;
      }
      const fg = colour(cell.isFgDefault(), cell.isFgPalette(), cell.getFgColor());
      const bg = colour(cell.isBgDefault(), cell.isBgPalette(), cell.getBgColor());
      const chars = cell.getChars();
      const hex = chars === '' ? '-' : Buffer.from(chars, 'utf8').toString('hex');
      lines.push(`${cell.getWidth()} ${fg} ${bg} ${hex}`);
    }
  }
  return lines.join('\n') + '\n';
}

function main(argv) {
  if (argv.length < 1 || argv.length > 3) {
    process.stderr.write('usage: node emulate.mjs FILE [COLS [ROWS]]\n');
    process.exit(2);
  }
  const cols = argv.length >= 2 ? Number.parseInt(argv[1], 10) : 122;
  const rows = argv.length >= 3 ? Number.parseInt(argv[2], 10) : 61;
  if (!(cols > 0 && rows > 0)) {
    process.stderr.write(`emulate.mjs: bad size ${argv[1]} x ${argv[2]}\n`);
    process.exit(2);
  }
  const bytes = readFileSync(argv[0]);
  const term = new Terminal({ cols, rows, scrollback: 0, allowProposedApi: true });
  // The write is parsed asynchronously; the screen is complete only in its
  // callback.
  term.write(new Uint8Array(bytes), () => {
    process.stdout.write(describe(term));
    term.dispose();
  });
}

main(process.argv.slice(2));
