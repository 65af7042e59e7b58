// The page's words, in Japanese unless the browser asks for English first.
const english = {
  'お名前': 'Name', '参加': 'Join', '発言': 'Message', '送信': 'Send', 'パス': 'Pass',
  '参加者': 'Members', '会話': 'Chat', '盤': 'Board', '空き': 'empty', '打てる': 'legal',
  '赤の顔': 'red face', '青の顔': 'blue face', '緑の顔': 'green face', '黒の顔': 'black face',
  '赤の宝石': 'red jewel', '青の宝石': 'blue jewel', '緑の宝石': 'green jewel', '黒の宝石': 'black jewel',
  '接続中…': 'Connecting…', '接続が切れました。再接続します…': 'Disconnected. Reconnecting…',
  'あなたの番です': 'Your turn', '%1の番です': "%1's turn", '観戦中': 'Watching',
  'ゲーム終了': 'Game over', '%1位': 'place %1', '残り%1秒': '%1 s left', 'そこには打てません': 'You cannot play there',
  '%1番席': 'seat %1', '点': 'points', '枚': 'faces',
};

const wantsEnglish = (navigator.languages || [navigator.language]).find(l => /^(ja|en)/i.test(l))?.startsWith('en');

export const language = wantsEnglish ? 'en' : 'ja';

export function tr(text, ...args) {
  let out = (wantsEnglish && english[text]) || text;
  args.forEach((a, i) => { out = out.replace(`%${i + 1}`, a); });
  return out;
}

// "、" between parts as the desktop's screen reader names say it; ", " in English.
export function joinParts(parts) {
  return parts.join(wantsEnglish ? ', ' : '、');
}
