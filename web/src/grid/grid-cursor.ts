// SPDX-License-Identifier: GPL-3.0-or-later
// What the grid and its touch keyboard ask of the session.
import type { Session } from '../session/core';

export type GridCursor = Pick<Session, 'focusCell' | 'setCaret' | 'moveCursor' | 'typeCharacter' | 'backspace'
    | 'deleteForward'>;
