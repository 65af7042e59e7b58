// The member list and the chat log: every name and line goes in as text, never as markup.
export function showMembers(list, names) {
  list.replaceChildren(...names.map(name => {
    const item = document.createElement('li');
    item.textContent = name;
    return item;
  }));
}

export function addLine(log, line) {
  const item = document.createElement('li');
  item.textContent = line;
  log.append(item);
  log.scrollTop = log.scrollHeight;
}
