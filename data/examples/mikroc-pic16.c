/*
 * Project name:
 *     Timer Interrupt Test
 *     Simple demonstration of interrupt handling
 * Copyright:
 *     (c) 2026 The Tickwell developers
 * Revision History:
 *     20261206:
 *       - initial release.
 * Description:
 *     This code demonstrates using interrupts in mikroC. Program turns on/off
 *     LEDs on PORTB a little more than once a second: Timer0 (8 MHz / 4,
 *     prescaler 1:32, reloaded with 96) interrupts every 160 x 32 = 5120
 *     instruction cycles (2.56 ms) plus the cycles the interrupt routine needs
 *     to reach its TMR0 reload, and PORTB toggles every 400 interrupts: a
 *     little over 1.024 s.
 * Test configuration:
 *     MCU:             PIC16F877A
 *     Dev.Board:       EasyPIC4
 *     Oscillator:      HS, 08.0000 MHz
 *     Ext. Modules:    -
 *     SW:              mikroC PRO for PIC v7.6.0
 * NOTES:
 *     Generated with Tickwell
 *     www.tickwell.example
 */

unsigned int cnt;

void interrupt() {
  cnt++;                   // increment value of cnt on every interrupt
  TMR0 = 96;
  INTCON = 0x20;           // set T0IE, clear T0IF
}

void main() {
  OPTION_REG = 0x84;       // Assign prescaler to TMR0
  TRISB = 0;               // PORTB is output
  PORTB = 0xFF;            // initialize PORTB
  TMR0 = 96;               // timer0 initial value
  INTCON = 0xA0;           // enable TMR0 interrupt
  cnt = 0;                 // initialize cnt

  while (1) {
    if (cnt == 400) {
      PORTB = ~PORTB;      // toggle PORTB LEDs
      cnt = 0;             // reset cnt
    }
  }
}
