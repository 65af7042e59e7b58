import { tr, joinParts } from './text.js';

const pieces = ['空き', '赤の顔', '青の顔', '緑の顔', '黒の顔', '赤の宝石', '青の宝石', '緑の宝石', '黒の宝石'];

// "C4": the column's letter and the row's number from 1, as the desktop's board names a cell.
export function position(col, row) {
  return String.fromCharCode(65 + col) + (row + 1);
}

// The board as the host last told it: a grid of buttons, one a cell, named for a screen reader
// as the desktop's board cells are. It only reports a chosen cell; the host decides.
export class Board {
  constructor(element, onChoose) {
    this.element = element;
    this.onChoose = onChoose;
    this.size = 0;
    this.cells = [];
    this.moves = -1;
  }

  build(size) {
    this.size = size;
    this.cells = [];
    this.element.style.gridTemplateColumns = `repeat(${size}, 1fr)`;
    const rows = [];
    for (let row = 0; row < size; ++row) {
      const line = document.createElement('div');
      line.setAttribute('role', 'row');
      for (let col = 0; col < size; ++col) {
        const cell = document.createElement('button');
        cell.type = 'button';
        cell.setAttribute('role', 'gridcell');
        cell.addEventListener('click', () => this.onChoose(col, row));
        this.cells[col * size + row] = cell;
        line.append(cell);
      }
      rows.push(line);
    }
    this.element.replaceChildren(...rows);
  }

  draw(state) {
    if (state.size !== this.size) this.build(state.size);
    const fresh = state.moves !== this.moves;
    this.moves = state.moves;
    const legal = new Set(state.legal.map(([c, r]) => c * state.size + r));
    const taken = new Set(fresh ? state.taken.map(([c, r]) => c * state.size + r) : []);
    const last = state.last ? state.last[0] * state.size + state.last[1] : -1;
    this.cells.forEach((cell, i) => {
      const col = Math.floor(i / state.size), row = i % state.size, code = state.cells[i];
      const parts = [position(col, row), tr(pieces[code] ?? '空き')];
      if (legal.has(i)) parts.push(tr('打てる'));
      cell.setAttribute('aria-label', joinParts(parts));
      cell.className = `c${code}` + (legal.has(i) ? ' legal' : '') + (i === last ? ' last' : '') +
                       (taken.has(i) ? ' taken' : '');
    });
    this.element.classList.toggle('turned', fresh && state.jewelsTurned);
  }
}
