import { Board } from './board.js';
import { addLine, showMembers } from './chat.js';
import { Connection } from './connection.js';
import { language, tr } from './text.js';

const $ = id => document.getElementById(id);
document.documentElement.lang = language;

// Every control named as the desktop's are, in the page's language.
function name(id, text, label = true) {
  if (label) $(id).setAttribute('aria-label', tr(text));
  else $(id).textContent = tr(text);
}
name('name', 'お名前');
$('name').placeholder = tr('お名前');
name('join', '参加', false);
name('line', '発言');
name('send', '送信', false);
name('pass', 'パス', false);
name('members', '参加者');
name('log', '会話');
name('board', '盤');

let state = null;
let clock = null;
const status = text => { $('status').textContent = text; };
const connection = new Connection(frame => handlers[frame.t]?.(frame), () => status(tr('接続が切れました。再接続します…')));
const board = new Board($('board'), (col, row) => {
  if (state?.yourTurn) connection.send({ t: 'move', col, row });
});

function showSeats(s) {
  $('seats').replaceChildren(...s.names.map((n, i) => {
    const item = document.createElement('li');
    const place = s.over ? ` ${tr('%1位', s.places[i])}` : '';
    item.textContent = `${n} ${s.scores[i]}${tr(s.countMode ? '枚' : '点')}${place}`;
    item.classList.toggle('turn', !s.over && s.turn === i + 1);
    return item;
  }));
}

function runClock(s) {
  clearInterval(clock);
  $('clock').textContent = '';
  if (!s.yourTurn || s.timeLimit > 60) return;
  let left = s.timeLimit;
  const tick = () => { $('clock').textContent = tr('残り%1秒', left); left = Math.max(0, left - 1); };
  tick();
  clock = setInterval(tick, 1000);
}

function showTurn(s) {
  if (s.over) status(tr('ゲーム終了'));
  else if (s.yourTurn) status(tr('あなたの番です'));
  else status(tr('%1の番です', s.names[s.turn - 1]) + (s.seat ? '' : ` (${tr('観戦中')})`));
}

const handlers = {
  joined(f) {
    $('joinForm').hidden = true;
    $('table').hidden = false;
    showMembers($('members'), f.members);
    status('');
  },
  members(f) {
    showMembers($('members'), f.members);
    addLine($('log'), f.notice);
  },
  chat(f) { addLine($('log'), f.line); },
  state(f) {
    state = f;
    $('game').hidden = false;
    board.draw(f);
    showSeats(f);
    showTurn(f);
    $('pass').disabled = !f.yourTurn;
    runClock(f);
  },
  refused() { status(tr('そこには打てません')); },
  bye(f) { status(f.reason); },
};

$('joinForm').addEventListener('submit', event => {
  event.preventDefault();
  status(tr('接続中…'));
  connection.join($('name').value);
});
$('chatForm').addEventListener('submit', event => {
  event.preventDefault();
  if ($('line').value.trim()) connection.send({ t: 'chat', text: $('line').value });
  $('line').value = '';
});
$('pass').addEventListener('click', () => connection.send({ t: 'pass' }));

// A page that reloads goes back to its seat at once.
if (connection.returning) {
  $('name').value = connection.savedName;
  connection.join(connection.savedName);
}
