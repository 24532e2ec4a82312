// SPDX-License-Identifier: GPL-3.0-or-later
// An edit an editor asks for: a call on the session, which the editor panel
// makes and whose refusal it reports.
import type { Session } from '../session/core';

export type Edit = (session: Session) => unknown;

export function editEvent(action: Edit): CustomEvent<Edit> {
    return new CustomEvent<Edit>('edit', { detail: action, bubbles: true });
}
